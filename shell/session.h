// Session: what the user of the window has chosen (port, date, display period, graph style)
// and what follows from it (the loaded station, the prepared view), with the user's commands
// as its operations. A front end turns its events into these calls, does what each Outcome
// asks (draw again, say a message) and draws through Render; the session shows nothing
// itself and reads no clock. Texts are Shift-JIS; canvas coordinates in view units (pixels).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/calendar.h"
#include "engine/station.h"
#include "shell/settings_values.h"
#include "views/canvas.h"
#include "views/view_layout.h"
#include "views/view_model.h"

namespace marevo {

// What a front end must say to the user; its texts are the front end's.
enum class SessionMessage {
    None,
    NoPort,     // "港が選択されていません": no port chosen
    CannotOpen, // "ファイルがオープンできませんでした": the port's file cannot be read
    SunError, // "日の出計算でエラー発生": a sun computation failed while drawing
    Damaged,  // "ファイルが壊れています": the port's file is cut short or has a line missing
};

// The answer to a command: whether the picture must be drawn again (Render), and a message
// to say after it. Nothing at all when the command changed nothing.
struct Outcome {
    bool redraw = false;
    SessionMessage message = SessionMessage::None;
    // The state changed (date, period, style or port), so what shows it must follow, even
    // when the picture could not be drawn again.
    bool changed = false;
};

// The port the user has chosen as the tree names it: the prefecture's node text (empty for a
// file listed at the root) and the port's.
struct Site {
    std::string prefecture, port;
};

// Reads the station file of a file name ("24尾鷲") into station.
using StationReader = std::function<LoadStatus(const std::string& fileName, Station& station)>;

// The prefecture code of a node text of the port tree (北海道 1, その他 80, the coastal
// prefectures' names), or -1; and the node text of a code ("" for a code without a node).
int TreeCodeOfName(const std::string& sjisName);
std::string TreeNameOfCode(int code);

class Session {
  public:
    explicit Session(StationReader reader = nullptr);
    ~Session();
    Session(Session&&) noexcept;
    Session& operator=(Session&&) noexcept;

    // The choices marevo.ini remembers (period, style, site, print colour) in and out.
    void TakeSettings(const Settings& settings);
    void GiveSettings(Settings& settings) const;

    // The user's commands. Each reads the port's file again and prepares the view when the
    // picture changes; a file that cannot be read leaves the old picture.
    Outcome Start(CivilDate today); // the first picture, of today
    Outcome ChoosePort(int prefectureCode, const std::string& port);
    // A node chosen by its texts: its parent's (a prefecture, a region or "" for the root)
    // and its own; a parent that names no prefecture is a file that cannot be read.
    Outcome ChooseSite(const Site& site);
    Outcome StepDate(int days); // a step past the years 1 ... 9999: nothing
    Outcome GoToToday(CivilDate today);
    Outcome ChooseDate(CivilDate date); // a date outside the program's years: nothing
    Outcome SetPeriod(DisplayPeriod period);
    Outcome SetStyle(GraphStyle style);
    Outcome ToggleStyle();
    Outcome PickCell(Cell cell);              // the cell's day in the one-day view
    Outcome PickAt(int canvasX, int canvasY); // PickCell of the cell under the point
    Outcome Redraw();

    // What the front end shows.
    CivilDate Date() const { return date_; }
    DisplayPeriod Period() const { return period_; }
    GraphStyle Style() const { return style_; }
    const Site& ChosenSite() const { return site_; }
    // The file name of the chosen port ("24尾鷲"), or "" where the site names none.
    std::string FileName() const;
    bool HasPicture() const;
    // The load status of the last read of the port's file.
    LoadStatus LastLoad() const { return lastLoad_; }

    // The canvas of the picture: its size (the start-up size before the first picture), the
    // cell under a canvas point (false where there is none), a cell's highlight box.
    void CanvasSize(int& width, int& height) const;
    bool CellAt(int canvasX, int canvasY, Cell& cell) const;
    CellRect CellBox(Cell cell) const;
    // The highlight colour of the picture's palette.
    Color HighlightColour() const;

    // Draws the picture; SunError when a sun computation failed (said after drawing).
    SessionMessage Render(Canvas& canvas) const;
    // Draws the picture prepared anew with the print colour (1 colour, 0 monochrome), the
    // screen's records untouched; nothing without a loaded station.
    SessionMessage RenderForPrint(Canvas& canvas, int colour) const;

    // The model of the picture (what the views draw from), or nullptr before the first one.
    const ViewModel* Model() const;

    // A station the front end has read itself (marevo-cli): the picture of it at the date.
    Outcome ShowStation(const Station& station, CivilDate date, int colour = 1);

  private:
    Outcome Refresh(); // the file read again and the view prepared
    void Prepare(int colour);

    struct Shown;
    StationReader reader_;
    CivilDate date_;
    DisplayPeriod period_ = TideTable;
    GraphStyle style_ = BarGraph;
    Site site_;
    LoadStatus lastLoad_ = LoadStatus::OpenFailed;
    int tableWidth_ = 0; // canvas width of the last table prepared (its cells' right edge)
    std::unique_ptr<Shown> shown_; // the station loaded last and its prepared view
};

} // namespace marevo
