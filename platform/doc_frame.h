#pragma once

// The window that shows the one document, where the system has windows. The
// document template creates it hidden before the document's first new or
// open step, and updates and shows it after every such step.
class CDocFrame {
 public:
  virtual ~CDocFrame() = default;

  // Creates the window, hidden; false when it cannot, and then the document
  // goes without one.
  virtual bool Create() = 0;

  // The view's initial update, then the window is shown.
  virtual void InitialUpdateFrame() = 0;

  // Hides the window, updates it, and asks it to close once the message
  // loop runs.
  virtual void HideAndClose() = 0;
};
