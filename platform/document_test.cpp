#include "platform/document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the order in which the template drives the document and its frame.
struct CJournal {
  std::vector<std::string> events;
};

class CJournalDoc : public CDocument {
 public:
  explicit CJournalDoc(CJournal& journal) : m_journal(journal) {}
  bool NewDocument() override {
    m_journal.events.push_back("new");
    return CDocument::NewDocument();
  }
  bool OpenDocument(const std::string& strPath) override {
    m_journal.events.push_back("open " + strPath);
    return CDocument::OpenDocument(strPath);
  }

 private:
  CJournal& m_journal;
};

class CJournalFrame : public CDocFrame {
 public:
  CJournalFrame(CJournal& journal, bool bCreates) : m_journal(journal), m_bCreates(bCreates) {}
  bool Create() override {
    m_journal.events.push_back("create");
    return m_bCreates;
  }
  void InitialUpdateFrame() override { m_journal.events.push_back("show"); }
  void HideAndClose() override {}

 private:
  CJournal& m_journal;
  bool m_bCreates;
};

CSingleDocTemplate MakeTemplate(CJournal& journal, bool bFrameCreates) {
  return CSingleDocTemplate([&journal] { return std::make_unique<CJournalDoc>(journal); },
                            [&journal, bFrameCreates](CDocument&) {
                              return std::make_unique<CJournalFrame>(journal, bFrameCreates);
                            });
}

TEST(DocTemplateTest, TheFrameIsCreatedBeforeTheFirstStepAndShownAfterEach) {
  CJournal journal;
  CSingleDocTemplate docTemplate = MakeTemplate(journal, true);
  CDocument* pFirst = docTemplate.OpenDocumentFile(nullptr);
  const std::string strPath = "a.dat";
  CDocument* pSecond = docTemplate.OpenDocumentFile(&strPath);
  EXPECT_EQ(pFirst, pSecond);
  EXPECT_EQ(pSecond->PathName(), "a.dat");
  EXPECT_NE(docTemplate.Frame(), nullptr);
  EXPECT_EQ(journal.events, (std::vector<std::string>{"create", "new", "show", "open a.dat", "show"}));
}

TEST(DocTemplateTest, WithoutAWindowTheStepStillRuns) {
  CJournal journal;
  CSingleDocTemplate docTemplate = MakeTemplate(journal, false);
  EXPECT_NE(docTemplate.OpenDocumentFile(nullptr), nullptr);
  EXPECT_NE(docTemplate.OpenDocumentFile(nullptr), nullptr);
  EXPECT_EQ(docTemplate.Frame(), nullptr);
  EXPECT_EQ(journal.events, (std::vector<std::string>{"create", "new", "new"}));
}

TEST(DocTemplateTest, WithoutAFrameFactoryThereIsNoFrame) {
  CJournal journal;
  CSingleDocTemplate docTemplate([&journal] { return std::make_unique<CJournalDoc>(journal); });
  EXPECT_NE(docTemplate.OpenDocumentFile(nullptr), nullptr);
  EXPECT_EQ(docTemplate.Frame(), nullptr);
  EXPECT_EQ(journal.events, (std::vector<std::string>{"new"}));
}

}  // namespace
