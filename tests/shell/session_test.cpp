// Session: every command of the window (port, date steps, today, a chosen date, period,
// style, cell picks, redraw) with the date at the ends of the program's years, missing and
// bad port files, the settings in and out, and what Render draws. The port file is the
// fixture 24尾鷲; every other file name reads as missing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "shell/session.h"
#include "tests/shell/fixture_station.h"
#include "views/prepare_view.h"
#include "views/recorder.h"

using namespace marevo;

namespace {

const std::string Mie = "三重県", Owase = "尾鷲";

// Reads tests/fixtures/dt/<name>.MV2 (the names on disk are UTF-8); "24壊れ" reads as a
// file without its header. Counts the reads.

struct Reader {
    int reads = 0;
    LoadStatus operator()(const std::string& fileName, Station& station)
    {
        ++reads;
        if (fileName == "24壊れ") return LoadStatus::NoHeader;
        if (fileName == "24切れ") return LoadStatus::Damaged;
        return LoadFixture(fileName, station);
    }
};

Settings SettingsOf(DisplayPeriod period, GraphStyle style, const std::string& pref,
                    const std::string& port)
{
    Settings s;
    s.DisplayPeriod = period;
    s.GraphStyle = style;
    std::snprintf(s.SavedPref, sizeof s.SavedPref, "%s", pref.c_str());
    std::snprintf(s.SavedPort, sizeof s.SavedPort, "%s", port.c_str());
    return s;
}

struct Started {
    Reader* reader = new Reader();
    Session session{[r = reader](const std::string& f, Station& s) { return (*r)(f, s); }};
    Started(DisplayPeriod period, CivilDate today, GraphStyle style = BarGraph)
    {
        session.TakeSettings(SettingsOf(period, style, Mie, Owase));
        session.Start(today);
    }
    ~Started() { delete reader; }
};

std::string DateText(CivilDate d)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

// The texts a drawing puts, in order.
std::string TextsOf(const RecordingCanvas& canvas)
{
    std::string texts;
    for (const CanvasCall& call : canvas.CallsOf(CanvasOp::PutText)) texts += call.text + "|";
    return texts;
}

} // namespace

// Each command from a started session: the date, period and style after it and whether the
// picture is drawn again. Steps and picks past the years 1 and 9999 change nothing.
TEST(Session, CommandsMoveTheDateAndTheView)
{
    enum Command { Step, Today, Choose, Period, Style, Toggle, Pick, Redraw };
    struct Case {
        const char* name;
        DisplayPeriod period;
        CivilDate from;
        Command command;
        int value;          // days, period or style
        CivilDate date;     // Today and Choose: the date given
        Cell cell;          // Pick
        bool redraw;
        CivilDate expected;
        DisplayPeriod expectedPeriod;
        GraphStyle expectedStyle;
    } cases[] = {
        {"+1", TideTable, {2026, 12, 8}, Step, 1, {}, {}, true, {2026, 12, 9}, TideTable, BarGraph},
        {"-7 into November", SevenDays, {2026, 12, 3}, Step, -7, {}, {}, true, {2026, 11, 26}, SevenDays, BarGraph},
        {"+7 into the next year", OneDay, {2026, 12, 28}, Step, 7, {}, {}, true, {2027, 1, 4}, OneDay, BarGraph},
        {"+1 onto a leap day", FortyTwoDays, {2028, 2, 28}, Step, 1, {}, {}, true, {2028, 2, 29}, FortyTwoDays, BarGraph},
        {"-1 before the year 1", TideTable, {1, 1, 1}, Step, -1, {}, {}, false, {1, 1, 1}, TideTable, BarGraph},
        {"-7 before the year 1", TideTable, {1, 1, 7}, Step, -7, {}, {}, false, {1, 1, 7}, TideTable, BarGraph},
        {"+1 after 9999", OneDay, {9999, 12, 31}, Step, 1, {}, {}, false, {9999, 12, 31}, OneDay, BarGraph},
        {"+7 to the last day", OneDay, {9999, 12, 24}, Step, 7, {}, {}, true, {9999, 12, 31}, OneDay, BarGraph},
        {"today", SevenDays, {1, 1, 1}, Today, 0, {2027, 3, 1}, {}, true, {2027, 3, 1}, SevenDays, BarGraph},
        {"a clock past 9999", SevenDays, {2026, 5, 5}, Today, 0, {10000, 1, 1}, {}, true, {2026, 5, 5}, SevenDays, BarGraph},
        {"chosen date", TideTable, {2026, 12, 8}, Choose, 0, {2030, 6, 15}, {}, true, {2030, 6, 15}, TideTable, BarGraph},
        {"no such date", TideTable, {2026, 12, 8}, Choose, 0, {2030, 2, 30}, {}, false, {2026, 12, 8}, TideTable, BarGraph},
        {"year 10000", TideTable, {2026, 12, 8}, Choose, 0, {10000, 1, 1}, {}, false, {2026, 12, 8}, TideTable, BarGraph},
        {"one day", TideTable, {2026, 12, 8}, Period, OneDay, {}, {}, true, {2026, 12, 8}, OneDay, BarGraph},
        {"42 days", OneDay, {2026, 12, 8}, Period, FortyTwoDays, {}, {}, true, {2026, 12, 8}, FortyTwoDays, BarGraph},
        {"lines", SevenDays, {2026, 12, 8}, Style, LineGraph, {}, {}, true, {2026, 12, 8}, SevenDays, LineGraph},
        {"toggle", SevenDays, {2026, 12, 8}, Toggle, 0, {}, {}, true, {2026, 12, 8}, SevenDays, LineGraph},
        {"7-day cell 3", SevenDays, {2026, 12, 30}, Pick, 0, {}, {3, 0}, true, {2027, 1, 2}, OneDay, BarGraph},
        {"42-day cell row 5 column 6", FortyTwoDays, {2026, 12, 8}, Pick, 0, {}, {6, 5}, true, {2027, 1, 18}, OneDay, BarGraph},
        {"table row 1 is the date", TideTable, {2026, 12, 8}, Pick, 0, {}, {0, 1}, true, {2026, 12, 8}, OneDay, BarGraph},
        {"table row 42", TideTable, {2026, 12, 8}, Pick, 0, {}, {0, 42}, true, {2027, 1, 18}, OneDay, BarGraph},
        {"table heading", TideTable, {2026, 12, 8}, Pick, 0, {}, {0, 0}, false, {2026, 12, 8}, TideTable, BarGraph},
        {"table row 43", TideTable, {2026, 12, 8}, Pick, 0, {}, {0, 43}, false, {2026, 12, 8}, TideTable, BarGraph},
        {"7-day column 7", SevenDays, {2026, 12, 8}, Pick, 0, {}, {7, 0}, false, {2026, 12, 8}, SevenDays, BarGraph},
        {"42-day row 6", FortyTwoDays, {2026, 12, 8}, Pick, 0, {}, {0, 6}, false, {2026, 12, 8}, FortyTwoDays, BarGraph},
        {"one-day view has no cells", OneDay, {2026, 12, 8}, Pick, 0, {}, {0, 0}, false, {2026, 12, 8}, OneDay, BarGraph},
        {"a table day in 10000", TideTable, {9999, 12, 20}, Pick, 0, {}, {0, 13}, false, {9999, 12, 20}, TideTable, BarGraph},
        {"the last table day of 9999", TideTable, {9999, 12, 20}, Pick, 0, {}, {0, 12}, true, {9999, 12, 31}, OneDay, BarGraph},
        {"redraw", FortyTwoDays, {2026, 12, 8}, Redraw, 0, {}, {}, true, {2026, 12, 8}, FortyTwoDays, BarGraph},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Started s(c.period, c.from);
        const int readsBefore = s.reader->reads;
        Outcome outcome;
        switch (c.command) {
        case Step: outcome = s.session.StepDate(c.value); break;
        case Today: outcome = s.session.GoToToday(c.date); break;
        case Choose: outcome = s.session.ChooseDate(c.date); break;
        case Period: outcome = s.session.SetPeriod(static_cast<DisplayPeriod>(c.value)); break;
        case Style: outcome = s.session.SetStyle(static_cast<GraphStyle>(c.value)); break;
        case Toggle: outcome = s.session.ToggleStyle(); break;
        case Pick: outcome = s.session.PickCell(c.cell); break;
        case Redraw: outcome = s.session.Redraw(); break;
        }
        EXPECT_EQ(outcome.redraw, c.redraw);
        EXPECT_EQ(outcome.changed, c.redraw);
        EXPECT_EQ(outcome.message, SessionMessage::None);
        // Every picture drawn again reads the port's file again; nothing reads nothing.
        EXPECT_EQ(s.reader->reads - readsBefore, c.redraw ? 1 : 0);
        EXPECT_EQ(DateText(s.session.Date()), DateText(c.expected));
        EXPECT_EQ(s.session.Period(), c.expectedPeriod);
        EXPECT_EQ(s.session.Style(), c.expectedStyle);
    }
}

// A point of the canvas picks the cell under it: the third day column of the seven-day view,
// the fourth strip's second day of the 42-day view, the table's tenth day row.
TEST(Session, PointsPickTheirDays)
{
    struct {
        DisplayPeriod period;
        int x, y;
        bool picked;
        CivilDate expected;
    } cases[] = {
        {SevenDays, DayColumnLeft(2) + 1, DayPlotTop + 1, true, {2026, 12, 10}},
        {SevenDays, DayColumnLeft(7) + 1, DayPlotTop + 1, false, {2026, 12, 8}},
        {SevenDays, DayColumnLeft(0) - 1, DayPlotTop + 1, false, {2026, 12, 8}},
        {FortyTwoDays, DayColumnLeft(1) + 40, DayPlotTop + 3 * WeekStripHeight + 1, true, {2026, 12, 30}},
        {FortyTwoDays, DayColumnLeft(1), DayPlotBottom, false, {2026, 12, 8}},
        {TideTable, TableLeft + 5, TableTop + 10 * TableRowHeight + 2, true, {2026, 12, 17}},
        {TideTable, TableLeft + 5, TableTop + 2, false, {2026, 12, 8}},
        {OneDay, 100, 100, false, {2026, 12, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.period << " " << c.x << "," << c.y);
        Started s(c.period, {2026, 12, 8});
        const Outcome outcome = s.session.PickAt(c.x, c.y);
        EXPECT_EQ(outcome.redraw, c.picked);
        EXPECT_EQ(DateText(s.session.Date()), DateText(c.expected));
        EXPECT_EQ(s.session.Period(), c.picked ? OneDay : c.period);
    }
}

// The canvas follows the period: the graphs' fixed sizes, the table's height with a width
// that holds its event columns; before any picture, the start-up size.
TEST(Session, CanvasSizeFollowsThePeriod)
{
    struct { DisplayPeriod period; int width, height; } cases[] = {
        {OneDay, 610, 385}, {SevenDays, 600, 375}, {FortyTwoDays, 600, 370},
    };
    for (const auto& c : cases) {
        Started s(c.period, {2026, 12, 8});
        int width = 0, height = 0;
        s.session.CanvasSize(width, height);
        EXPECT_EQ(width, c.width) << c.period;
        EXPECT_EQ(height, c.height) << c.period;
    }
    Started table(TideTable, {2026, 12, 8});
    int width = 0, height = 0;
    table.session.CanvasSize(width, height);
    EXPECT_EQ(height, TideTableHeight);
    // Four to six events a day in two to three columns each of highs and lows.
    EXPECT_GE(width, TableCanvasWidth(4));
    EXPECT_LE(width, TableCanvasWidth(6));
    EXPECT_EQ((width - TableCanvasWidth(0)) % TideTableColumnWidth, 0);

    Session none;
    none.TakeSettings(SettingsOf(SevenDays, BarGraph, Mie, Owase));
    none.CanvasSize(width, height);
    EXPECT_EQ(width, 600);
    EXPECT_EQ(height, 375);
    EXPECT_FALSE(none.HasPicture());
}

// Ports: the one chosen in the tree is read; a missing file, a file without its header, a
// prefecture the tree does not know and a file at the root say their message and keep the
// picture drawn before, whose period stays the one it was drawn for.
TEST(Session, PortsMissingAndBadFiles)
{
    struct {
        const char* name;
        int code;
        const char* port;
        bool redraw;
        SessionMessage message;
        const char* labelPrefecture;
    } cases[] = {
        {"the fixture", 24, "尾鷲", true, SessionMessage::None, "三重県"},
        {"a missing file", 13, "東京", false, SessionMessage::CannotOpen, "東京都"},
        {"a file without header", 24, "壊れ", false, SessionMessage::CannotOpen, "三重県"},
        {"a damaged file", 24, "切れ", false, SessionMessage::Damaged, "三重県"},
        {"a file at the root", -1, "尾鷲", false, SessionMessage::NoPort, ""},
        {"no port", 24, "", false, SessionMessage::NoPort, "三重県"},
        {"その他", 80, "尾鷲", false, SessionMessage::CannotOpen, "その他"},
        {"北海道", 1, "函館", false, SessionMessage::CannotOpen, "北海道"},
        {"a prefecture without ports", 29, "奈良", false, SessionMessage::NoPort, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Started s(OneDay, {2026, 12, 8});
        RecordingCanvas before;
        s.session.Render(before);
        s.session.SetPeriod(SevenDays); // drawn as the seven-day view
        const Outcome outcome = s.session.ChoosePort(c.code, c.port);
        EXPECT_EQ(outcome.redraw, c.redraw);
        EXPECT_TRUE(outcome.changed);
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_EQ(s.session.ChosenSite().prefecture, c.labelPrefecture);
        EXPECT_EQ(s.session.ChosenSite().port, c.port);
        // The file named in a message is the one read.
        if (c.code == 24 && *c.port) {
            EXPECT_EQ(s.session.FileName(), std::string("24") + c.port);
        }
        EXPECT_TRUE(s.session.HasPicture());
        // After a failure the period chosen stays, the picture drawn last too; a second
        // try reads the file again.
        if (!c.redraw) {
            EXPECT_EQ(s.session.SetPeriod(FortyTwoDays).message, c.message);
            EXPECT_EQ(s.session.Period(), FortyTwoDays);
            RecordingCanvas after;
            s.session.Render(after);
            RecordingCanvas sevenDays;
            Started seven(SevenDays, {2026, 12, 8});
            seven.session.Render(sevenDays);
            EXPECT_EQ(TextsOf(after), TextsOf(sevenDays));
        }
    }
    // Saved texts: an unknown prefecture reads as a missing file, an empty one as no port.
    struct { const char* pref; const char* port; SessionMessage message; } saved[] = {
        {"奈良県", "尾鷲", SessionMessage::CannotOpen},
        {"", "尾鷲", SessionMessage::NoPort},
        {"三重県", "", SessionMessage::NoPort},
        {"三重県", "尾鷲", SessionMessage::None},
    };
    for (const auto& c : saved) {
        Reader reader;
        Session session([&](const std::string& f, Station& st) { return reader(f, st); });
        session.TakeSettings(SettingsOf(TideTable, BarGraph, c.pref, c.port));
        const Outcome outcome = session.Start({2026, 12, 8});
        EXPECT_EQ(outcome.message, c.message) << c.pref << c.port;
        EXPECT_EQ(outcome.redraw, c.message == SessionMessage::None);
        EXPECT_EQ(session.HasPicture(), c.message == SessionMessage::None);
    }
    // A node chosen by its texts: under a region (a prefecture without ports) no file.
    Started region(OneDay, {2026, 12, 8});
    EXPECT_EQ(region.session.ChooseSite({"東北", "青森県"}).message, SessionMessage::CannotOpen);
    EXPECT_EQ(region.session.ChosenSite().prefecture, "東北");
    // Without a reader every file is missing.
    Session unread;
    unread.TakeSettings(SettingsOf(TideTable, BarGraph, Mie, Owase));
    EXPECT_EQ(unread.Start({2026, 12, 8}).message, SessionMessage::CannotOpen);
    EXPECT_EQ(unread.LastLoad(), LoadStatus::OpenFailed);
}

// The settings in and out: what the session takes it gives back, an unknown period or style
// as the start-up shows it, the site as chosen in the tree.
TEST(Session, SettingsRoundTrip)
{
    struct { int period, style; DisplayPeriod period2; GraphStyle style2; } cases[] = {
        {OneDay, LineGraph, OneDay, LineGraph},       {SevenDays, BarGraph, SevenDays, BarGraph},
        {FortyTwoDays, BarGraph, FortyTwoDays, BarGraph}, {TideTable, LineGraph, TideTable, LineGraph},
        {5, 7, TideTable, LineGraph},                 {0, -1, TideTable, LineGraph},
    };
    for (const auto& c : cases) {
        Settings in = SettingsOf(TideTable, BarGraph, "東京都", "東京");
        in.DisplayPeriod = static_cast<DisplayPeriod>(c.period);
        in.GraphStyle = static_cast<GraphStyle>(c.style);
        Session session;
        session.TakeSettings(in);
        Settings out;
        session.GiveSettings(out);
        EXPECT_EQ(out.DisplayPeriod, c.period2) << c.period;
        EXPECT_EQ(out.GraphStyle, c.style2) << c.style;
        EXPECT_STREQ(out.SavedPref, "東京都");
        EXPECT_STREQ(out.SavedPort, "東京");
    }
    Started s(TideTable, {2026, 12, 8});
    s.session.ChoosePort(80, "南鳥島");
    s.session.SetPeriod(SevenDays);
    s.session.SetStyle(LineGraph);
    Settings out;
    s.session.GiveSettings(out);
    EXPECT_STREQ(out.SavedPref, "その他");
    EXPECT_STREQ(out.SavedPort, "南鳥島");
    EXPECT_EQ(out.DisplayPeriod, SevenDays);
    EXPECT_EQ(out.GraphStyle, LineGraph);
    // The defaults of a missing file: 三重県 尾鷲, as the texts of the compiler's own.
    EXPECT_EQ(std::string(Settings::DefaultPref), Mie);
    EXPECT_EQ(std::string(Settings::DefaultPort), Owase);
}

// Render draws what PrepareView and DrawView draw for the same choices; the print is
// prepared apart in its colour and leaves the screen's picture as it was.
TEST(Session, RenderAndPrint)
{
    Station station;
    ASSERT_EQ(LoadFixture("24尾鷲", station), LoadStatus::Ok);
    struct { DisplayPeriod period; GraphStyle style; CivilDate date; } cases[] = {
        {OneDay, BarGraph, {2026, 12, 8}}, {SevenDays, LineGraph, {2027, 2, 26}},
        {FortyTwoDays, BarGraph, {2028, 2, 1}}, {TideTable, BarGraph, {9999, 12, 1}},
    };
    for (const auto& c : cases) {
        Started s(c.period, c.date, c.style);
        PreparedView direct;
        PrepareView(station, c.date.year, c.date.month, c.date.day, c.period, c.style, 1, direct);
        RecordingCanvas screen, expected;
        EXPECT_EQ(s.session.Render(screen), SessionMessage::None);
        DrawView(c.period, expected, direct.model);
        EXPECT_EQ(screen.Calls().size(), expected.Calls().size()) << c.period;
        EXPECT_EQ(TextsOf(screen), TextsOf(expected)) << c.period;
        EXPECT_TRUE(screen.Faults().empty());

        const Color highlight = s.session.HighlightColour();
        RecordingCanvas mono, colour;
        s.session.RenderForPrint(mono, 0);
        s.session.RenderForPrint(colour, 1);
        EXPECT_EQ(TextsOf(mono), TextsOf(screen));
        size_t differing = 0;
        for (size_t i = 0; i < colour.Calls().size() && i < screen.Calls().size(); ++i)
            differing += colour.Calls()[i].color != screen.Calls()[i].color;
        EXPECT_EQ(differing, 0u) << c.period;
        bool monoDiffers = false;
        for (size_t i = 0; i < mono.Calls().size() && i < screen.Calls().size(); ++i)
            monoDiffers |= mono.Calls()[i].color != screen.Calls()[i].color;
        EXPECT_TRUE(monoDiffers) << c.period;
        EXPECT_EQ(s.session.HighlightColour(), highlight);
    }
    // marevo-cli's way: a station read by the caller, drawn at a date.
    Session cli;
    cli.ShowStation(station, {2026, 12, 8});
    cli.SetPeriod(OneDay); // no reader: the file cannot be read again, the picture stays
    RecordingCanvas shown;
    cli.Render(shown);
    EXPECT_EQ(shown.CallsOf(CanvasOp::PutText).size() > 0, true);
}

// A port far south, where the twilight iteration leaves the day: its one-day picture reports
// the failed sun computation each time it is drawn; its other views and an ordinary port's
// one-day view report nothing.
TEST(Session, SunComputationFailuresAreReportedByRender)
{
    Station station;
    ASSERT_EQ(LoadFixture("24尾鷲", station), LoadStatus::Ok);
    Station south = station;
    south.Latitude = -52.0f;
    south.Longitude = 139.46f;
    struct { const Station* station; DisplayPeriod period; SessionMessage message; } cases[] = {
        {&south, OneDay, SessionMessage::SunError}, {&south, SevenDays, SessionMessage::None},
        {&south, TideTable, SessionMessage::None},  {&station, OneDay, SessionMessage::None},
    };
    for (const auto& c : cases) {
        Session session;
        session.TakeSettings(SettingsOf(c.period, BarGraph, Mie, Owase));
        session.ShowStation(*c.station, {2008, 11, 21});
        RecordingCanvas first, second;
        EXPECT_EQ(session.Render(first), c.message) << c.period;
        EXPECT_EQ(session.Render(second), c.message) << c.period;
        EXPECT_EQ(session.RenderForPrint(second, 0), c.message) << c.period;
    }
}
