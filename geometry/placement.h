#pragma once

struct CRecordHead;

// The point and direction of one text record.
class CPlacement {
 public:
  CPlacement() = default;
  virtual ~CPlacement() = default;

  double x = 0;
  double y = 0;
  double dx = 0;
  double dy = 0;
};

// Sets x, y, dx and dy from the numbers of fields 1 to 4 of a record line;
// a value whose square is below 0.1 becomes 0.
CPlacement ReadPlacement(const CRecordHead& head);

// Whether all four values are finite numbers: only such a placement is
// written into a rewritten record.
bool IsFinite(const CPlacement& placement);
