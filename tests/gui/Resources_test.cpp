// XRC loaders that show which resource failed, message boxes captioned with the product name,
// and the validation policy's tool tip.
#include "GuiTestApp.h"
#include "TestUtil.h"
#include "davaraz/gui/Resources.h"
#include "platform/tvutils/StringUtils.h"

#include <wx/frame.h>
#include <wx/xrc/xmlres.h>

#include <functional>

namespace {

using guitest::ExpectMessageBox;
using guitest::ModalHook;
using guitest::ShownBox;
using ResourcesTest = GuiTest;

TEST_F(ResourcesTest, ResourcesThatDoNotLoadAreShownByName)
{
    wxXmlResource::Get()->InitAllHandlers();
    wxFrame* parent = new wxFrame(nullptr, wxID_ANY, wxT("parent"));
    const std::pair<const char*, std::function<bool()>> loaders[] = {
        {"Failed to load dialog \"Nope\" from XRC", [&] { wxDialog d; return wut::loadDialog(&d, parent, L"Nope"); }},
        {"Failed to load wizard \"Nope\" from XRC", [&] { wxDialog d; return wut::loadWizard(&d, parent, L"Nope"); }},
        {"Failed to load frame \"Nope\" from XRC", [&] { wxFrame f; return wut::loadFrame(&f, parent, L"Nope"); }},
        {"Failed to load panel \"Nope\" from XRC", [&] { wxPanel p; return wut::loadPanel(&p, parent, L"Nope"); }},
        {"Failed to load panel \"Nope\" from XRC", [&] { return wut::loadPanel(parent, L"Nope") != nullptr; }},
    };
    for (const auto& l : loaders) {
        ShownBox shown;
        {
            ModalHook hook;
            const ExpectMessageBox box(shown);
            hook.AddExpectation(box);
            EXPECT_FALSE(l.second());
        }
        EXPECT_EQ(shown.count, 1);
        EXPECT_EQ(shown.message, wxString::FromUTF8(l.first));
        EXPECT_EQ(shown.caption, wxString(ut::Config::regProduct().c_str()));
        EXPECT_EQ(shown.style & (wxOK | wxICON_ERROR), wxOK | wxICON_ERROR);
    }

    // A resource that is there loads without a word.
    const testutil::TempDir dir;
    testutil::writeBytes(dir.path("p.xrc"), "<?xml version=\"1.0\"?><resource><object class=\"wxPanel\" name=\"Here\">"
                                            "<object class=\"wxStaticText\"><label>Pens</label></object></object>"
                                            "</resource>");
    ASSERT_TRUE(wxXmlResource::Get()->Load(dir.path("p.xrc").string()));
    {
        ModalHook hook;
        wxPanel* panel = wut::loadPanel(parent, L"Here");
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->GetChildren().size(), 1u);
    }
    wxXmlResource::Get()->Unload(dir.path("p.xrc").string());
    parent->Destroy();
}

TEST_F(ResourcesTest, EmptyOrMissingCaptionIsTheProductName)
{
    const wxString product(ut::Config::regProduct().c_str());
    const std::pair<const wchar_t*, wxString> captions[] = {{nullptr, product}, {L"", product}, {L"Pens", wxT("Pens")}};
    for (const auto& c : captions) {
        ShownBox shown;
        {
            ModalHook hook;
            const ExpectMessageBox box(shown, wxID_NO);
            hook.AddExpectation(box);
            EXPECT_EQ(wut::messageBox(L"Replace the table?", c.first, wxYES_NO), wxNO);
        }
        EXPECT_EQ(shown.message, wxT("Replace the table?"));
        EXPECT_EQ(shown.caption, c.second);
    }
}

TEST_F(ResourcesTest, PolicyKeepsItsLastErrorEvenWhenConst)
{
    const wut::BasePolicy none(nullptr);
    EXPECT_TRUE(none.errorMsg().empty());
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxT("policy"));
    {
        ModalHook hook; // the tool tip is not modal: nothing may be shown modally
        none.messageBox(frame);
    }
    EXPECT_TRUE(frame->GetChildren().empty()) << "no error, no tool tip";
    none.setErrorMsg(L"The pen number must be 1 to 255");
    none.setErrorMsg(nullptr);
    EXPECT_EQ(none.errorMsg(), wxT("The pen number must be 1 to 255"));
    const wut::BasePolicy copy(none);
    EXPECT_EQ(copy.errorMsg(), none.errorMsg());
    frame->Show();
    const size_t before = frame->GetChildren().size();
    copy.messageBox(frame);
    EXPECT_EQ(frame->GetChildren().size(), before + 1) << "a tool tip pops up from the window";
    frame->Destroy();
}

} // namespace
