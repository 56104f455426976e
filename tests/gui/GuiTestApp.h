// Starts wxWidgets with its GUI once per test process (an X display is required: the test
// command provides one) and keeps it until exit.
#pragma once
#include "support/WxStart.h"

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

namespace guitest {

inline bool start()
{
    return wxtest::start(true, [] {
        // A failed wxWidgets check fails the test instead of opening a dialog nobody answers.
        wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond,
                              const wxString& msg) {
            ADD_FAILURE_AT(file.utf8_str(), line) << cond.utf8_str() << ": " << msg.utf8_str();
        });
        wxInitAllImageHandlers(); // as a host does at start-up
        // GTK's dialogs keep their settings in memory: the test display has no session bus.
        setenv("GSETTINGS_BACKEND", "memory", 0);
        // wxWidgets' own complaints go to stderr, not to a log window shown at exit.
        delete wxLog::SetActiveTarget(new wxLogStderr);
    });
}

} // namespace guitest

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(guitest::start()) << "the GUI tests need an X display (DISPLAY)"; }
};

namespace guitest {

// What a message box showed, as the modal hook saw it.
struct ShownBox {
    int count = 0;
    wxString message;
    wxString caption;
    long style = 0;
};

// Answers the next message box with answer and records it.
class ExpectMessageBox : public wxExpectModalBase<wxMessageDialog, ExpectMessageBox> {
public:
    explicit ExpectMessageBox(ShownBox& shown, int answer = wxID_OK) : m_shown(&shown), m_answer(answer) {}

protected:
    int OnInvoked(wxMessageDialog* dlg) const override
    {
        ++m_shown->count;
        m_shown->message = dlg->GetMessage();
        m_shown->caption = dlg->GetCaption();
        m_shown->style = dlg->GetMessageDialogStyle();
        return m_answer;
    }

private:
    ShownBox* m_shown;
    int m_answer;
};

// Modal dialogs shown while it lives are answered by its expectations, in order; a dialog
// nobody expected, or an expectation left unmet, fails the test.
class ModalHook : public wxTestingModalHook {
public:
    ~ModalHook() override { CheckUnmetExpectations(); }

protected:
    void ReportFailure(const wxString& msg) override { ADD_FAILURE() << msg.utf8_str(); }
};

} // namespace guitest
