// Session: the user's choices, the station read for them and the view prepared from it; the
// commands of the window as calls that answer what the front end must do.
#include "shell/session.h"

#include <cstdio>

#include "shell/port_files.h"
#include "shell/prefectures.h"
#include "text/shift_jis.h"
#include "views/prepare_view.h"

namespace marevo {

// What the picture is drawn from: the station loaded last and its view, kept together
// because the view's model points at the station.
struct Session::Shown {
    Station station;
    PreparedView view;
    DisplayPeriod period = TideTable; // the period the view was prepared for
};

int TreeCodeOfName(const std::string& sjisName)
{
    if (sjisName.empty()) return -1;
    if (sjisName == Utf8ToSjis(RegionName(OtherRegion))) return OtherCode;
    for (const Prefecture& p : Prefectures)
        if (p.region != 0 && sjisName == Utf8ToSjis(p.name)) return p.code;
    return -1;
}

std::string TreeNameOfCode(int code)
{
    if (code == OtherCode) return Utf8ToSjis(RegionName(OtherRegion));
    const Prefecture* p = PrefectureOf(code);
    return p && p->region != 0 ? Utf8ToSjis(p->name) : std::string();
}

Session::Session(StationReader reader) : reader_(std::move(reader)) {}
Session::~Session() = default;
Session::Session(Session&&) noexcept = default;
Session& Session::operator=(Session&&) noexcept = default;

void Session::TakeSettings(const Settings& settings)
{
    period_ = SanitisedPeriod(settings.DisplayPeriod);
    style_ = SanitisedStyle(settings.GraphStyle);
    site_.prefecture = settings.SavedPref;
    site_.port = settings.SavedPort;
}

void Session::GiveSettings(Settings& settings) const
{
    settings.DisplayPeriod = period_;
    settings.GraphStyle = style_;
    std::snprintf(settings.SavedPref, sizeof settings.SavedPref, "%s", site_.prefecture.c_str());
    std::snprintf(settings.SavedPort, sizeof settings.SavedPort, "%s", site_.port.c_str());
}

Outcome Session::Refresh()
{
    Outcome outcome;
    outcome.changed = true;
    if (site_.port.empty() || site_.prefecture.empty()) {
        outcome.message = SessionMessage::NoPort;
        return outcome;
    }
    // A prefecture the tree does not know names no file; it is reported like a missing one.
    const int code = TreeCodeOfName(site_.prefecture);
    auto shown = std::make_unique<Shown>();
    lastLoad_ = LoadStatus::OpenFailed;
    if (code >= 0 && reader_)
        lastLoad_ = reader_(StationFileNameOf(code, site_.port), shown->station);
    if (lastLoad_ != LoadStatus::Ok) {
        // The old picture stays and the user may choose another port; a damaged file is named
        // (FileName), so that it can be replaced.
        outcome.message = lastLoad_ == LoadStatus::Damaged ? SessionMessage::Damaged
                                                           : SessionMessage::CannotOpen;
        return outcome;
    }
    shown_ = std::move(shown);
    Prepare(1);
    outcome.redraw = true;
    return outcome;
}

void Session::Prepare(int colour)
{
    PrepareView(shown_->station, date_.year, date_.month, date_.day, period_, style_, colour,
                shown_->view);
    shown_->period = period_;
    // The table's width changes only with a table view; its cells keep the last one.
    if (period_ == TideTable) tableWidth_ = shown_->view.width;
}

std::string Session::FileName() const
{
    const int code = TreeCodeOfName(site_.prefecture);
    return code >= 0 && !site_.port.empty() ? StationFileNameOf(code, site_.port) : std::string();
}

Outcome Session::Start(CivilDate today)
{
    return GoToToday(today);
}

Outcome Session::ChoosePort(int prefectureCode, const std::string& port)
{
    return ChooseSite({TreeNameOfCode(prefectureCode), port});
}

Outcome Session::ChooseSite(const Site& site)
{
    site_ = site;
    return Refresh();
}

Outcome Session::StepDate(int days)
{
    if (!marevo::StepDate(date_, days)) return {};
    return Refresh();
}

Outcome Session::GoToToday(CivilDate today)
{
    // A clock outside the program's years leaves the date; the picture is drawn again.
    if (IsValidDate(today)) date_ = today;
    return Refresh();
}

Outcome Session::ChooseDate(CivilDate date)
{
    if (!IsValidDate(date)) return {};
    date_ = date;
    return Refresh();
}

Outcome Session::SetPeriod(DisplayPeriod period)
{
    period_ = period;
    return Refresh();
}

Outcome Session::SetStyle(GraphStyle style)
{
    style_ = style;
    return Refresh();
}

Outcome Session::ToggleStyle()
{
    return SetStyle(style_ == BarGraph ? LineGraph : BarGraph);
}

Outcome Session::PickCell(Cell cell)
{
    if (!CellIsValid(period_, cell)) return {};
    // The last cells of a picture near the end of 9999 lie in the year 10000, where the
    // date commands could no longer step back: like them, such a click is not made.
    if (!marevo::StepDate(date_, CellDayOffset(period_, cell))) return {};
    period_ = OneDay;
    return Refresh();
}

Outcome Session::PickAt(int canvasX, int canvasY)
{
    Cell cell;
    if (!CellAt(canvasX, canvasY, cell)) return {};
    return PickCell(cell);
}

Outcome Session::Redraw()
{
    return Refresh();
}

bool Session::HasPicture() const
{
    return shown_ != nullptr;
}

const ViewModel* Session::Model() const
{
    return shown_ ? &shown_->view.model : nullptr;
}

void Session::CanvasSize(int& width, int& height) const
{
    if (shown_ && shown_->view.width > 0) {
        width = shown_->view.width;
        height = shown_->view.height;
        return;
    }
    StartupCanvasSize(period_, width, height);
}

bool Session::CellAt(int canvasX, int canvasY, Cell& cell) const
{
    return marevo::CellAt(period_, tableWidth_, canvasX, canvasY, cell);
}

CellRect Session::CellBox(Cell cell) const
{
    return CellRectOf(period_, tableWidth_, cell);
}

Color Session::HighlightColour() const
{
    return shown_ ? shown_->view.palette.HoverHighlight : Color{};
}

SessionMessage Session::Render(Canvas& canvas) const
{
    if (!shown_) return SessionMessage::None;
    const ViewReport report = DrawView(shown_->period, canvas, shown_->view.model);
    return report.sunErrors > 0 ? SessionMessage::SunError : SessionMessage::None;
}

SessionMessage Session::RenderForPrint(Canvas& canvas, int colour) const
{
    if (!shown_) return SessionMessage::None;
    PreparedView print;
    PrepareView(shown_->station, date_.year, date_.month, date_.day, period_, style_, colour,
                print);
    const ViewReport report = DrawView(period_, canvas, print.model);
    return report.sunErrors > 0 ? SessionMessage::SunError : SessionMessage::None;
}

Outcome Session::ShowStation(const Station& station, CivilDate date, int colour)
{
    if (IsValidDate(date)) date_ = date;
    shown_ = std::make_unique<Shown>();
    shown_->station = station;
    lastLoad_ = LoadStatus::Ok;
    Prepare(colour);
    Outcome outcome;
    outcome.redraw = outcome.changed = true;
    return outcome;
}

} // namespace marevo
