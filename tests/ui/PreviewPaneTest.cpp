// The preview pane: its hatch is OK's hatch, refused values show a note, its
// open state is remembered, and it never changes what OK writes.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "exchange/ExchangeReader.h"
#include "geometry/TextConversions.h"
#include "hatch/ConversionBuild.h"
#include "tests/app/ProgramRun.h"
#include "tests/support/DirectConversion.h"
#include "ui/InterfaceTexts.h"
#include "ui/PreviewPane.h"
#include "ui/Unit1.h"

namespace rv17 {

namespace {

using ui::headless::HeadlessCanvas;

const std::string kExample = ReadWholeFile(RV17_EXAMPLES_DIR "/JWC_TEMP.TXT").bytes;

EntityStore StoreOf(std::string_view hostFile) {
    TestFolder folder;
    EntityStore store;
    InitialiseStore(store);
    EXPECT_TRUE(ReadExchangeFile(store, folder.Write("JWC_TEMP.TXT", hostFile)));
    return store;
}

// A window holding only the pane's canvas, and the pane drawing on it.
struct PaneOnCanvas {
    HeadlessApplication app;
    std::unique_ptr<ui::Window> window = app.CreateDialogWindow(TForm1::Design());
    HeadlessCanvas& canvas = static_cast<HeadlessCanvas&>(window->CanvasNamed("PaintBox1"));
    PreviewPane pane;

    explicit PaneOnCanvas(const EntityStore& drawing, PreviewComputation compute = {})
        : pane(canvas, drawing, TForm1::kPaneWidth, TForm1::kPaneHeight, std::move(compute)) {}
    void Settle() {
        pane.WaitUntilComputed();
        canvas.RunPosted();
    }
};

// The segments of the lines OK writes from the sweep's first line on, in pixels.
std::vector<ui::CanvasPoint> WrittenSegments(const EntityStore& drawing,
                                             const HatchSettings& settings,
                                             const ui::CanvasView& view) {
    OutputWriter writer(drawing);
    const ConversionResult result = BuildConversionOutput(writer, settings);
    std::vector<ui::CanvasPoint> points;
    for (std::size_t i = result.firstSweepLine; i < writer.Lines().Count(); ++i) {
        const std::string_view line = writer.Lines().Line(i);
        // The pen and the flags (lc, lt, lw, z1 ...) start with a letter; segments with a number.
        if (line.empty() || (line[0] >= 'a' && line[0] <= 'z')) continue;
        std::vector<double> values;
        for (std::size_t start = 0; start < line.size();) {
            const std::size_t end = std::min(line.find(' ', start), line.size());
            if (end > start) values.push_back(TextToReal(line.substr(start, end - start)));
            start = end + 1;
        }
        EXPECT_EQ(values.size(), 4u) << line;
        if (values.size() != 4) continue;
        points.push_back(view.ToPixels({values[0], values[1]}));
        points.push_back(view.ToPixels({values[2], values[3]}));
    }
    return points;
}

TEST(PreviewPane, DrawsExactlyTheSegmentsOkWrites) {
    const EntityStore drawing = StoreOf(kExample);
    PaneOnCanvas p(drawing);
    const struct {
        const char* angle;
        bool join;
    } cases[] = {{"0", false}, {"30", false}, {"-67.5", false}, {"30", true}};
    for (const auto& [angle, join] : cases) {
        HatchSettings settings;
        settings.interval = "0.2";
        settings.angleDegrees = angle;
        settings.joinTouching = join;
        p.pane.Show(settings);
        p.Settle();
        ASSERT_EQ(p.canvas.Layers().size(), 2u) << angle;
        const ui::CanvasScene& hatch = *p.canvas.Layers()[1];
        const ui::CanvasView view = p.canvas.View();
        std::vector<ui::CanvasPoint> drawn;
        for (const ui::CanvasPoint& point : hatch.points) drawn.push_back(view.ToPixels(point));
        const std::vector<ui::CanvasPoint> written = WrittenSegments(drawing, settings, view);
        ASSERT_GT(written.size(), 100u) << angle;
        ASSERT_EQ(drawn.size(), written.size()) << angle;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            ASSERT_EQ(drawn[i].x, written[i].x) << angle << " point " << i;
            ASSERT_EQ(drawn[i].y, written[i].y) << angle << " point " << i;
        }
        // The example is at 1/10 and in real-size coordinates.
        EXPECT_EQ(ShiftJisToUtf8(p.canvas.Note()), "S=1/10　図寸 0.2 mm ＝ 実寸 2 mm　ハッチ線 " +
                                                       std::to_string(written.size() / 2) + "本")
            << angle;
    }
}

// The note says what the interval means at the drawing's scale, in either
// unit, and how many segments OK writes; at 1/1 only the count.
TEST(PreviewPane, TheNoteTellsTheScaleAndTheSegmentCount) {
    const std::string room = "sl 0 0 36 0 36 36 0 36\r\n";
    const struct {
        std::string hostFile;
        const char* interval;
        bool realSize;
        const char* note;
        bool join = false;
    } cases[] = {
        {"bz\r\nhs 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n" + room, "1", false,
         "S=1/100　図寸 1 mm ＝ 実寸 100 mm　ハッチ線 35本"},
        {"bz\r\nhs 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n" + room, "100", true,
         "S=1/100　図寸 1 mm ＝ 実寸 100 mm　ハッチ線 35本"},
        {"bz\r\nhs 50 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n" + room, "12.5", true,
         "S=1/50　図寸 0.25 mm ＝ 実寸 12.5 mm　ハッチ線 143本"},
        {room, "1", false, "ハッチ線 35本"},
        // Two rooms that share a wall: two segments a line, or one joined.
        {room + "sl 36 0 72 0 72 36 36 36\r\n", "1", false, "ハッチ線 70本"},
        {room + "sl 36 0 72 0 72 36 36 36\r\n", "1", false, "ハッチ線 35本", true},
    };
    for (const auto& c : cases) {
        PaneOnCanvas p(StoreOf(c.hostFile));
        HatchSettings settings;
        settings.interval = c.interval;
        settings.realSize = c.realSize;
        settings.joinTouching = c.join;
        p.pane.Show(settings);
        p.Settle();
        EXPECT_EQ(ShiftJisToUtf8(p.canvas.Note()), c.note) << c.hostFile;
    }
}

struct RefusalCase {
    const char* hostFile;
    HatchSettings settings;
    std::string_view note;
};

TEST(PreviewPane, ARefusedValueShowsANoteInsteadOfHatchAndANewerValueReplacesIt) {
    HatchSettings badInterval;
    badInterval.interval = "0.001";
    HatchSettings badWidth;
    badWidth.width = "30001";
    const RefusalCase cases[] = {
        {"sl 0 0 10 0 5 8\r\n", badInterval, texts::kPreviewIntervalRefused},
        {"sl 0 0 10 0 5 8\r\n", badWidth, texts::kPreviewWidthRefused},
        {"sl 0 0 1e15 0 0 1e15\r\n", HatchSettings{}, texts::kSweepTooLarge},
        {"0 0 10 10\r\n", HatchSettings{}, texts::kNoSolids},
    };
    for (const RefusalCase& c : cases) {
        PaneOnCanvas p(StoreOf(c.hostFile));
        p.pane.Show(c.settings);
        p.Settle();
        EXPECT_EQ(p.canvas.Note(), Sjis(c.note)) << c.hostFile;
        EXPECT_EQ(p.canvas.Layers().size(), 1u) << "only the selection: " << c.hostFile;
    }
    // A refusal asked for and overtaken before it is shown never appears.
    PaneOnCanvas p(StoreOf("sl 0 0 10 0 5 8\r\n"));
    p.pane.Show(badInterval);
    p.pane.Show(HatchSettings{});
    p.Settle();
    EXPECT_EQ(ShiftJisToUtf8(p.canvas.Note()), "ハッチ線 7本");
    EXPECT_EQ(p.canvas.Layers().size(), 2u);
}

// Memory that runs out while a preview is made, and a hatch beyond the
// budget, end only that preview: the pane says so in its note, draws no
// hatch, and shows the next values asked for as usual.
TEST(PreviewPane, AHatchTooLargeShowsANoteAndThePaneGoesOn) {
    const struct {
        std::string_view note;
        PreviewComputation failing;
    } cases[] = {
        {texts::kPreviewTooLarge,
         [](const EntityStore&, const HatchSettings&, std::stop_token) -> PreviewHatch {
             throw std::bad_alloc();
         }},
        {texts::kPreviewTooManySegments,
         [](const EntityStore& drawing, const HatchSettings& settings, std::stop_token stop) {
             return ComputePreviewHatch(drawing, settings, std::move(stop), 6);
         }},
    };
    for (const auto& c : cases) {
        bool fail = true;
        PaneOnCanvas p(
            StoreOf("sl 0 0 10 0 5 8\r\n"),
            [&](const EntityStore& drawing, const HatchSettings& settings, std::stop_token stop) {
                return fail ? c.failing(drawing, settings, stop)
                            : ComputePreviewHatch(drawing, settings, stop);
            });
        p.pane.Show(HatchSettings{});
        p.Settle();
        EXPECT_EQ(p.canvas.Note(), Sjis(c.note));
        EXPECT_EQ(p.canvas.Layers().size(), 1u) << "only the selection";
        fail = false;
        p.pane.Show(HatchSettings{});
        p.Settle();
        EXPECT_EQ(ShiftJisToUtf8(p.canvas.Note()), "ハッチ線 7本");
        EXPECT_EQ(p.canvas.Layers().size(), 2u);
    }
    // Within the budget, to the segment.
    PaneOnCanvas p(
        StoreOf("sl 0 0 10 0 5 8\r\n"),
        [](const EntityStore& drawing, const HatchSettings& settings, std::stop_token stop) {
            return ComputePreviewHatch(drawing, settings, std::move(stop), 7);
        });
    p.pane.Show(HatchSettings{});
    p.Settle();
    EXPECT_EQ(ShiftJisToUtf8(p.canvas.Note()), "ハッチ線 7本");
}

TEST(PreviewPane, TheOpenStateSurvivesARestartAndABrokenFileMeansClosed) {
    ProgramFolder p;
    p.WriteExchangeFile(kThreeSolids);
    const auto iniFile = p.folder.Path() / "rv17.ini";
    const auto paneShown = [](HeadlessWindow& w) { return w.CanvasNamed("PaintBox1").Visible(); };
    p.Run([&](HeadlessWindow& w) {
        EXPECT_FALSE(paneShown(w));
        EXPECT_EQ(w.ClientWidth(), 543);
        w.PressAccessKey('P');
        EXPECT_TRUE(paneShown(w));
        EXPECT_EQ(w.ClientWidth(), 943);
        w.PressEscape();
    });
    EXPECT_EQ(ReadWholeFile(iniFile).bytes, "[Preview]\r\nOpen=1\r\n[Interval]\r\nRealSize=0\r\n");
    EXPECT_EQ(p.SettingsLines().size(), 14u);
    p.Run([&](HeadlessWindow& w) {
        EXPECT_TRUE(paneShown(w));
        EXPECT_EQ(w.ClientWidth(), 943);
        w.Click("Button6");
        EXPECT_FALSE(paneShown(w));
        EXPECT_EQ(w.ClientWidth(), 543);
        w.PressEscape();
    });
    EXPECT_EQ(ReadWholeFile(iniFile).bytes, "[Preview]\r\nOpen=0\r\n[Interval]\r\nRealSize=0\r\n");
    for (const char* broken : {"Open=1\r\n", "[Preview]\r\nOpen=yes\r\n", "\xff\xfe[\0"}) {
        p.folder.Write("rv17.ini", broken);
        p.Run([&](HeadlessWindow& w) {
            EXPECT_FALSE(paneShown(w)) << broken;
            w.PressEscape();
        });
    }
}

TEST(PreviewPane, OkWritesTheSameBytesWithAndWithoutThePane) {
    std::string written[2];
    for (int withPane = 0; withPane < 2; ++withPane) {
        ProgramFolder p;
        p.WriteExchangeFile(kExample);
        p.Run([&](HeadlessWindow& w) {
            if (withPane) w.PressAccessKey('P');
            w.Type("ComboBox1", "0.5");
            w.Type("ComboBox2", "30");
            w.Click("CheckBox1");
            w.Click("Button1");
        });
        written[withPane] = p.ExchangeBytes();
    }
    EXPECT_EQ(written[0], written[1]);
    EXPECT_EQ(written[0], DirectConversion(kExample, {"0.5", "30", 0, 0, "-1", true, false}));
}

}  // namespace

}  // namespace rv17
