// The window's side of every command: the labels and marks show the session's choices, the
// canvas takes the session's size, the picture is drawn into the off-screen surface through
// the session, and the session's messages are shown. Canvas sizes in pixels.
#include "app/refresh.h"

#include <cstdio>
#include <string>

#include "app/commands.h"
#include "app/graph_pane.h"
#include "app/screen_scale.h"
#include "app/system_text.h"
#include "app/ui_seam.h"
#include "views/gdi/gdi_canvas.h"

namespace marevo {

namespace {

void SetNumberLabel(HWND label, const char* format, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    SetSjisText(label, text);
}

const char* TextOf(SessionMessage message)
{
    switch (message) {
    case SessionMessage::NoPort:
        return TextNoPort;
    case SessionMessage::CannotOpen:
        return TextCannotOpen;
    case SessionMessage::SunError:
        return TextSunError;
    default:
        return nullptr;
    }
}

void Say(const AppState& app, SessionMessage message)
{
    if (message == SessionMessage::Damaged) {
        // A file cut short or with a line missing is named, so that it can be replaced.
        const std::string text =
            std::string(TextDamaged) + "\n" + StationFilePath("", app.session.FileName());
        ShowMessage(text.c_str(), CaptionError);
        return;
    }
    if (const char* text = TextOf(message)) ShowMessage(text, CaptionError);
}

// The canvas at the session's size (at the screen's scale), a new surface for it, and the
// picture drawn into it.
void DrawPicture(AppState& app)
{
    int width = 0, height = 0;
    app.session.CanvasSize(width, height);
    MoveWindow(app.CanvasWindow, app.CanvasX, app.CanvasY, Scaled(app, width),
               Scaled(app, height), TRUE);
    CreateOffscreen(app);
    LayoutPanes(app);
    SessionMessage message;
    {
        ScopedViewScale scale(app.OffscreenDC(), app.Dpi);
        GdiCanvas canvas(app.OffscreenDC());
        message = app.session.Render(canvas);
    }
    InvalidateRect(app.GraphPane, nullptr, FALSE);
    Say(app, message);
}

} // namespace

void ShowChoices(AppState& app)
{
    const CivilDate date = app.session.Date();
    SetNumberLabel(app.YearLabel, "%4d", date.year);
    SetNumberLabel(app.MonthLabel, "%02d", date.month);
    SetNumberLabel(app.DayLabel, "%02d", date.day);
    SetSjisText(app.PrefLabel, app.session.ChosenSite().prefecture.c_str());
    SetSjisText(app.PortLabel, app.session.ChosenSite().port.c_str());
    ShowPeriod(app, app.MainWindow);
    ShowStyle(app, app.MainWindow);
}

void ShowOutcome(AppState& app, const Outcome& outcome)
{
    if (!outcome.changed && !outcome.redraw && outcome.message == SessionMessage::None) return;
    ShowChoices(app);
    if (outcome.redraw) DrawPicture(app);
    Say(app, outcome.message);
}

void RefreshDisplay(AppState& app)
{
    ShowOutcome(app, app.session.Redraw());
}

} // namespace marevo
