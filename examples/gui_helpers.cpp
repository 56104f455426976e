// The GUI helpers in one window: a host theme's colours, the GUI font where it is installed,
// wrapped text, an image with an overlay and a caption, and a validation hint.
//   gui_helpers_example                     shows the window until it is closed
//   gui_helpers_example --screenshot F.png  shows it, saves what the screen shows of it, exits
#include "davaraz/davaraz.h"

#include <wx/app.h>
#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/popupwin.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <cstdio>
#include <memory>

namespace {

// Colour roles of this host.
const wut::EGuiColor kBackground = wut::EGuiColor(0);
const wut::EGuiColor kAccent = wut::EGuiColor(1);
const wut::EGuiColor kText = wut::EGuiColor(2);

// The host's theme: a light and a dark palette.
class HostTheme : public wut::ThemeColorsBase {
public:
    unsigned long guiColorRef(wut::EGuiColor color) override
    {
        static const unsigned long light[] = {0xF4EEE8, 0xB06020, 0x302820};
        static const unsigned long dark[] = {0x302820, 0x40A0F0, 0xE8E8E8};
        const int i = color >= 0 && color <= 2 ? color : 0;
        return m_dark ? dark[i] : light[i];
    }
    bool setColorTheme(wut::EGuiColorTheme theme) override
    {
        m_dark = theme == 1;
        return true;
    }

private:
    bool m_dark = false;
};

// A 160 x 110 picture: a gradient sheet, a stamp in its corner, a caption drawn on it.
wxBitmap sheetPicture()
{
    wxImage image(160, 110);
    for (int y = 0; y < 110; ++y)
        for (int x = 0; x < 160; ++x)
            image.SetRGB(x, y, static_cast<unsigned char>(200 + x / 4), static_cast<unsigned char>(210 + y / 4), 240);
    wxImage stamp(28, 28);
    stamp.SetRGB(wxRect(0, 0, 28, 28), 176, 96, 32);
    stamp.SetRGB(wxRect(6, 6, 16, 16), 255, 255, 255);
    wxBitmap picture = wut::drawOnBitmap(wxBitmap(image), wxBitmap(stamp), wxSize(8, 8));
    wut::ImageUtils::drawText(picture, wxT("A1 sheet, 1:50"), 10, 10, wut::ImageUtils::eFontHeading,
                              wut::ImageUtils::eColorDark, true);
    wut::ImageUtils::drawText(picture, wxT("plotted with the monochrome table"), 10, 34, wut::ImageUtils::eFontSmall,
                              wut::ImageUtils::eColorMid, false);
    return picture;
}

class HelpersPanel : public wxPanel {
public:
    explicit HelpersPanel(wxWindow* parent) : wxPanel(parent), m_picture(sheetPicture())
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        m_input = new wxTextCtrl(this, wxID_ANY, wxT("300"), wxPoint(24, 226), wxSize(120, -1));
        Bind(wxEVT_PAINT, &HelpersPanel::onPaint, this);
        Bind(wxEVT_COLOR_THEME_CHANGED, [this](wxColorThemeChangedEvent&) { Refresh(); });
    }

    // The validation hint of a pen number out of range, pointing at the field.
    void showHint() const
    {
        wut::BasePolicy policy;
        policy.setErrorMsg(L"The pen number must be 1 to 255.");
        policy.messageBox(m_input);
    }
    bool painted() const { return m_painted; }
    // Whether the hint's pop-up is on screen.
    bool hintShown() const { return hasShownPopup(*m_input); }

private:
    static bool hasShownPopup(const wxWindow& w)
    {
        for (const wxWindow* child : w.GetChildren())
            if ((dynamic_cast<const wxPopupWindow*>(child) && child->IsShownOnScreen()) || hasShownPopup(*child))
                return true;
        return false;
    }

    void onPaint(wxPaintEvent&)
    {
        m_painted = true;
        wxAutoBufferedPaintDC dc(this);
        dc.SetBackground(wxBrush(wut::guiColor(kBackground)));
        dc.Clear();

        wxFont title(wxFontInfo(16).Bold());
        wut::setGuiFont(&title);
        dc.SetFont(title);
        dc.SetTextForeground(wut::guiColor(kAccent));
        dc.DrawText(wxString::Format(wxT("davaraz GUI helpers (font: %s)"),
                                     wut::isFontAvailable(L"Open Sans") ? wxT("Open Sans") : wxT("fallback")),
                    24, 16);

        dc.SetPen(wxPen(wut::guiColor(kAccent), 2));
        dc.DrawLine(24, 52, GetClientSize().x - 24, 52);

        const wut::WrappedString text(this,
                                      wxT("Plot style tables map each colour of a drawing to a pen: its width, "
                                          "screening and line end. The text here is wrapped to 300 pixels by the "
                                          "library, and measured in the GUI font before it is drawn."),
                                      300, wxFont(wxFontInfo(10).FaceName(wxT("Open Sans"))));
        text.drawText(dc, wxPoint(24, 68), wut::guiColor(kText));

        dc.DrawBitmap(m_picture, 360, 68);
        dc.SetFont(wxFont(wxFontInfo(9)));
        dc.SetTextForeground(wut::guiColor(kText));
        dc.DrawText(wxT("Pen number (1 to 255):"), 24, 204);
    }

    wxBitmap m_picture;
    wxTextCtrl* m_input;
    bool m_painted = false;
};

} // namespace

class ExampleApp : public wxApp {
public:
    bool OnInit() override
    {
        wxInitAllImageHandlers();
        for (int i = 1; i + 1 < argc; ++i)
            if (argv[i] == wxT("--screenshot"))
                m_screenshot = argv[i + 1];
        wut::ThemeColorManager::setExtension(std::make_unique<HostTheme>());

        m_frame = new wxFrame(nullptr, wxID_ANY, wxT("davaraz GUI helpers"), wxDefaultPosition, wxSize(560, 400));
        m_panel = new HelpersPanel(m_frame);
        m_frame->SetClientSize(560, 400);
        m_frame->Show();
        // The hint points at the field once the window is on screen; the screenshot follows
        // once the hint is, however slow the machine (15 s at most).
        m_timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { step(); });
        m_timer.Start(100);
        return true;
    }
    int OnExit() override { return m_exitCode; }

private:
    void step()
    {
        ++m_ticks;
        if (!m_hintAsked && m_frame->IsShownOnScreen() && m_panel->painted()) {
            m_hintAsked = true;
            m_panel->showHint();
        }
        if (m_screenshot.empty())
            return;
        if (m_hintAsked && m_panel->hintShown() && !m_hintSeenAt)
            m_hintSeenAt = m_ticks;
        if ((m_hintSeenAt && m_ticks >= m_hintSeenAt + 3) || m_ticks >= 150) { // painted by then
            m_timer.Stop();
            capture();
        }
    }

    // What the screen shows of the frame's client area, saved as PNG.
    void capture()
    {
        m_frame->Update();
        const wxRect area(m_frame->ClientToScreen(wxPoint(0, 0)), m_frame->GetClientSize());
        wxBitmap shot(area.GetSize());
        {
            wxMemoryDC memory(shot);
            wxScreenDC screen;
            memory.Blit(0, 0, area.width, area.height, &screen, area.x, area.y);
        }
        if (!shot.SaveFile(m_screenshot, wxBITMAP_TYPE_PNG)) {
            std::fprintf(stderr, "gui_helpers_example: cannot write %s\n", static_cast<const char*>(m_screenshot.utf8_str()));
            m_exitCode = 1;
        } else {
            std::printf("screenshot: %s (%d x %d)\n", static_cast<const char*>(m_screenshot.utf8_str()), area.width,
                        area.height);
        }
        m_frame->Destroy();
    }

    wxString m_screenshot;
    wxFrame* m_frame = nullptr;
    HelpersPanel* m_panel = nullptr;
    wxTimer m_timer;
    int m_ticks = 0;
    bool m_hintAsked = false;
    int m_hintSeenAt = 0;
    int m_exitCode = 0;
};

wxIMPLEMENT_APP(ExampleApp);
