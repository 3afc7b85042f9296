#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/doc_frame.h"

// The document base: a path name and a modified mark. Documents of this
// program keep nothing in their files.
class CDocument {
 public:
  virtual ~CDocument() = default;

  // The framework's new-document step: forgets the path and the mark.
  virtual bool NewDocument();

  // Opening reads nothing: the document takes the file's path.
  virtual bool OpenDocument(const std::string& strPath);

  const std::string& PathName() const { return m_strPathName; }
  void SetPathName(const std::string& strPath) { m_strPathName = strPath; }
  bool IsModified() const { return m_bModified; }

 private:
  std::string m_strPathName;
  bool m_bModified = false;
};

// The one document type of a single-document program. The document is
// created on first use and used again for every later new or open.
class CSingleDocTemplate {
 public:
  using Factory = std::function<std::unique_ptr<CDocument>()>;
  // Empty where the system has no windows.
  using FrameFactory = std::function<std::unique_ptr<CDocFrame>(CDocument&)>;

  explicit CSingleDocTemplate(Factory createDocument, FrameFactory createFrame = {})
      : m_createDocument(std::move(createDocument)), m_createFrame(std::move(createFrame)) {}

  // A new document when `pPath` is null, otherwise the file at `*pPath`.
  // Null when the document's own step fails.
  CDocument* OpenDocumentFile(const std::string* pPath);

  // The document's frame, null before the first new or open and where the
  // system has no windows.
  CDocFrame* Frame() const { return m_pFrame.get(); }

 private:
  Factory m_createDocument;
  FrameFactory m_createFrame;
  std::unique_ptr<CDocument> m_pDocument;
  std::unique_ptr<CDocFrame> m_pFrame;
  bool m_bFrameTried = false;
};
