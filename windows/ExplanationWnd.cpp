#include "windows/ExplanationWnd.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <iterator>

#include "calc/KeyFilter.h"
#include "calc/explain/Pictures.h"
#include "calc/explain/Wording.h"
#include "framework/Export.h"
#include "framework/Group.h"
#include "framework/Language.h"
#include "framework/PictureView.h"
#include "framework/Platform.h"
#include "framework/PopupMenu.h"
#include "framework/Printing.h"
#include "framework/Table.h"
#include "framework/TextPrinting.h"
#include "framework/TextView.h"
#include "windows/AboutWnd.h"
#include "windows/ControlWnd.h"
#include "windows/DescriptionWnd.h"
#include "windows/Menu.h"
#include "windows/Windows.h"

namespace windows {

using namespace framework;

namespace {

std::string PercentNote() {
    return Tr("ExplanationWindow", "Digits and a decimal point only");
}
std::string Fewest() {
    return Tr("ExplanationWindow", "the fewest people that show the same values");
}

// The names of what the test looks for and who is tested: each field, its label and what a
// screen reader calls it.
struct LabelField {
    const char* field;
    std::string label, spoken;
};
std::vector<LabelField> LabelFields() {
    return {
        {"disorderFld", Tr("ExplanationWindow", "What the test looks for:"),
         Tr("ExplanationWindow", "What the test looks for")},
        {"peopleFld", Tr("ExplanationWindow", "Who is tested:"),
         Tr("ExplanationWindow", "Who is tested, in the plural")},
        {"personFld", Tr("ExplanationWindow", "One of them:"),
         Tr("ExplanationWindow", "One of those tested, in the singular")},
    };
}

// The pictures in the order they stand, with the name an export suggests.
struct PictureName {
    const char* control;
    std::string file;
};
std::vector<PictureName> Pictures() {
    return {
        {"TreePic", Tr("ExplanationWindow", "frequency-tree.svg")},
        {"IconsPic", Tr("ExplanationWindow", "icon-arrays.svg")},
        {"CurvesPic", Tr("ExplanationWindow", "predictive-values.svg")},
    };
}

// The statistics as the window and the paper show them.
std::vector<std::string> TableHead() {
    return {Tr("ExplanationWindow", "Statistic"), Tr("ExplanationWindow", "Value"),
            Tr("ExplanationWindow", "95% interval"), Tr("ExplanationWindow", "Note")};
}
std::vector<std::vector<std::string>> TableRows(const calc::Explanation& x) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& s : x.statistics) rows.push_back({s.name, s.value, s.interval, s.note});
    return rows;
}

// The first line of the printed explanation: today's date and the input that it explains.
std::string PrintedHeading(const calc::Explanation& x, const std::string& population) {
    const auto text = [](const char* name) {
        return app::ControlWnd().Find<EditField>(name).Text();
    };
    char date[16] = "";
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
    if (x.input == calc::ExplainedInput::Percentages) {
        return calc::PercentagesHeading(date, text("preFld"), text("dtFld"), text("tFld"));
    }
    std::uint64_t counts[4] = {};
    const char* const cells[] = {"tpFld", "fpFld", "fnFld", "tnFld"};
    for (int i = 0; i < 4; ++i) {
        counts[i] = calc::ReadDecimal(text(cells[i])).value_or(calc::Decimal{}).units;
    }
    return calc::CountsHeading(date, counts, x.personsAreCounts ? "" : population);
}

constexpr std::string_view kLeft = "\x1c", kRight = "\x1d", kHome = "\x01", kEnd = "\x04";

}  // namespace

void ExplanationWnd::Layout() {
    SetProperties({
        .width = 760,
        .height = 560,
        .minWidth = 420,
        .minHeight = 320,
        .frame = Frame::Document,
        .title = Tr("ExplanationWindow", "Explanation"),
        .visible = true,
        .menuBarVisible = true,
        .closeButton = true,
        .resizeable = true,
        .laidOut = true,
    });
}

void ExplanationWnd::CreateControls() {
    // The window's own inputs stand in one row above all that they change: first the names,
    // which are always there, then the prevalence; the chooser, which appears once a prevalence
    // is typed, comes after the field, so that nothing above or before the field moves while a
    // person types in it.
    Add<Group>("InputsRow", {.wraps = true});
    for (const LabelField& l : LabelFields()) {
        const std::string row = std::string(l.field) + "Row";
        Add<Group>(row, {.parent = "InputsRow"});
        auto& label =
            Add<StaticText>(std::string(l.field) + "Lbl", {.text = l.label, .parent = row});
        auto& field =
            Add<EditField>(l.field, {.limitText = 40, .parent = row, .accessibleName = l.spoken});
        field.TextChange = [this] { LabelFld_TextChange(); };
        label.SetBuddy(field);
    }
    Add<Group>("PrevalenceRow", {.visible = false, .parent = "InputsRow"});
    auto& prevalenceLabel = Add<StaticText>(
        "popPreLbl", {.text = Tr("ExplanationWindow", "Prevalence in the population tested (%):"),
                      .parent = "PrevalenceRow"});
    auto& prevalence = Add<EditField>(
        "popPreFld",
        {.bounds = {0, 0, 80, 0},
         .limitText = 9,
         .parent = "PrevalenceRow",
         .accessibleName = Tr("ExplanationWindow", "Prevalence in the population tested (%)")});
    prevalence.KeyDown = [this](std::string_view k) { return popPreFld_KeyDown(k); };
    prevalence.Paste = [this](std::string_view text) {
        auto number = calc::PastedNumber(text, true);
        if (!number) ShowNote(Find<EditField>("popPreFld"), PercentNote());
        return number;
    };
    prevalence.TextChange = [this] { CaseInput_Change(); };
    prevalenceLabel.SetBuddy(prevalence);
    Add<Group>("SizeRow", {.visible = false, .parent = "InputsRow"});
    auto& sizeLabel = Add<StaticText>(
        "SizeLbl", {.text = Tr("ExplanationWindow", "Tell it for:"), .parent = "SizeRow"});
    auto& size =
        Add<PopupMenu>("SizePop", {.items = {Fewest()},
                                   .parent = "SizeRow",
                                   .accessibleName = Tr("ExplanationWindow", "Tell it for")});
    size.Change = [this] { CaseInput_Change(); };
    sizeLabel.SetBuddy(size);
    Add<TextView>("SentencesTxt", {.accessibleName = Tr("ExplanationWindow", "Explanation")});
    Add<TextView>("SourceTxt",
                  {.visible = false, .accessibleName = Tr("ExplanationWindow", "Source")});
    // Between the words and the figures: the persons drawn, then the test at every prevalence.
    Add<PictureView>(
        "TreePic", {.visible = false, .accessibleName = Tr("ExplanationWindow", "Frequency tree")});
    Add<PictureView>("IconsPic",
                     {.visible = false, .accessibleName = Tr("ExplanationWindow", "Icon arrays")});
    auto& curves = Add<PictureView>(
        "CurvesPic",
        {.visible = false,
         .accessibleName = Tr("ExplanationWindow", "Predictive values over prevalence")});
    curves.MouseMove = [this](double x, double) {
        reading_ = calc::PrevalenceAt(shown_, x);
        DrawCurves();
    };
    curves.KeyDown = [this](std::string_view k) { return CurvesPic_KeyDown(k); };
    Add<Table>("StatisticsTbl",
               {.headers = TableHead(), .accessibleName = Tr("ExplanationWindow", "Statistics")});
    Add<TextView>("NotesTxt",
                  {.visible = false, .accessibleName = Tr("ExplanationWindow", "Notes")});
    Add<TextView>("MethodsTxt", {.accessibleName = Tr("ExplanationWindow", "Methods")});
}

void ExplanationWnd::AddMenuHandlers() {
    AddMenuHandler("ControlMenuItem", [this] { return ControlMenuItem_Action(); });
    AddMenuHandler("DescriptionMenuItem", [this] { return DescriptionMenuItem_Action(); });
    AddMenuHandler("AboutMenuItem", [this] { return AboutMenuItem_Action(); });
    AddMenuHandler("Print", [this] { return Print_Action(); });
    AddMenuHandler("ExportItem", [this] { return Export_Action(); });
}

void ExplanationWnd::Open() {
    ShowCaseLabels();
}

// The names, the prevalence and the size belong to the calculator's case, which outlives this
// window.
void ExplanationWnd::ShowCaseLabels() {
    auto& calculator = app::ControlWnd();
    const calc::Labels& labels = calculator.CaseLabels();
    const std::uint64_t size = calculator.CaseSize();
    showingLabels_ = true;
    Find<EditField>("disorderFld").SetText(labels.disorder);
    Find<EditField>("peopleFld").SetText(labels.people);
    Find<EditField>("personFld").SetText(labels.person);
    Find<EditField>("popPreFld").SetText(calculator.CasePopulation());
    Recalculate();
    // The sizes on offer follow the figures, so the case's size is chosen once they are known.
    const auto offered = std::find(sizes_.begin(), sizes_.end(), size);
    Find<PopupMenu>("SizePop").SetListIndex(
        offered == sizes_.end() ? 0 : static_cast<int>(offered - sizes_.begin()) + 1);
    showingLabels_ = false;
    Recalculate();
}

void ExplanationWnd::CaseInput_Change() {
    Recalculate();
    if (showingLabels_) return;
    const auto chosen =
        static_cast<std::size_t>(std::max(0, Find<PopupMenu>("SizePop").ListIndex()));
    app::ControlWnd().SetCaseInputs(Find<EditField>("popPreFld").Text(),
                                    chosen > 0 && chosen <= sizes_.size() ? sizes_[chosen - 1] : 0);
}

void ExplanationWnd::LabelFld_TextChange() {
    if (showingLabels_) return;
    app::ControlWnd().SetCaseLabels({Find<EditField>("disorderFld").Text(),
                                     Find<EditField>("peopleFld").Text(),
                                     Find<EditField>("personFld").Text()});
    Recalculate();
}

calc::Explanation ExplanationWnd::Explain() const {
    auto& calculator = app::ControlWnd();
    auto text = [&](const char* name) { return calculator.Find<EditField>(name).Text(); };
    const std::string tp = text("tpFld"), fp = text("fpFld"), fn = text("fnFld"),
                      tn = text("tnFld"), pre = text("preFld"), dt = text("dtFld"),
                      t = text("tFld");
    const std::string population = Find<EditField>("popPreFld").Text();
    // The first choice leaves the size to the engine.
    const auto size = static_cast<std::size_t>(std::max(0, Find<PopupMenu>("SizePop").ListIndex()));
    return calc::Explain({
        .tp = tp,
        .fp = fp,
        .fn = fn,
        .tn = tn,
        .pre = pre,
        .dt = dt,
        .t = t,
        .populationPrevalence = population,
        .populationSize = size > 0 && size <= sizes_.size() ? sizes_[size - 1] : 0,
        .labels = calculator.CaseLabels(),
        .source = calculator.Source(),
    });
}

void ExplanationWnd::Recalculate() {
    const calc::Explanation x = Explain();
    const bool explained = x.input != calc::ExplainedInput::None;
    Find<TextView>("SentencesTxt")
        .SetText(explained ? x.positiveSentence + "\n" + x.negativeSentence : x.missing);
    const bool size = explained && !x.personsAreCounts;
    const bool prevalence = x.input == calc::ExplainedInput::Counts;
    Find<Group>("SizeRow").SetVisible(size);
    if (size && x.sizes != sizes_) OfferSizes(x);
    Find<Group>("PrevalenceRow").SetVisible(prevalence);
    auto& source = Find<TextView>("SourceTxt");
    source.SetText(x.source);
    source.SetVisible(!x.source.empty());

    Find<Table>("StatisticsTbl").SetRows(TableRows(x));

    std::string notes;
    for (const auto& note : x.notes) notes += (notes.empty() ? "" : "\n") + note;
    if (explained && !x.statisticsNote.empty()) {
        notes += (notes.empty() ? "" : "\n") + x.statisticsNote;
    }
    auto& notesView = Find<TextView>("NotesTxt");
    notesView.SetText(notes);
    notesView.SetVisible(!notes.empty());
    Find<TextView>("MethodsTxt").SetText(x.methods);

    for (const auto& picture : Pictures()) Find<PictureView>(picture.control).SetVisible(explained);
    shown_ = x;
    if (!explained) return;
    Find<PictureView>("TreePic").SetDrawing(calc::FrequencyTree(x));
    Find<PictureView>("IconsPic").SetDrawing(calc::IconArrays(x));
    DrawCurves();
}

// Only the sizes that show the figures as the table does; a size that stays on offer stays chosen.
void ExplanationWnd::OfferSizes(const calc::Explanation& x) {
    auto& chooser = Find<PopupMenu>("SizePop");
    const auto chosen = static_cast<std::size_t>(chooser.ListIndex());
    const std::uint64_t was = chosen > 0 && chosen <= sizes_.size() ? sizes_[chosen - 1] : 0;
    std::vector<std::string> items{Fewest()};
    int index = 0;
    for (const std::uint64_t n : x.sizes) {
        if (n == was) index = static_cast<int>(items.size());
        items.push_back(calc::People(n, {}));
    }
    sizes_ = x.sizes;
    chooser.SetItems(items, index);
}

void ExplanationWnd::StartNewCase() {
    reading_.reset();
    ShowCaseLabels();
}

void ExplanationWnd::DrawCurves() {
    Find<PictureView>("CurvesPic").SetDrawing(calc::PredictiveCurves(shown_, reading_));
}

// The arrow keys move the reading along the prevalence axis, from the current prevalence on;
// Home and End take it to the axis's ends, as in a slider.
bool ExplanationWnd::CurvesPic_KeyDown(std::string_view key) {
    if (key == kHome || key == kEnd) {
        reading_ = calc::PrevalenceAt(shown_, key == kHome ? -HUGE_VAL : HUGE_VAL);
    } else if (key == kLeft || key == kRight) {
        reading_ = calc::StepReading(shown_, reading_.value_or(shown_.figures.prevalence.value),
                                     key == kLeft ? -1 : 1);
    } else {
        return false;
    }
    DrawCurves();
    return true;
}

std::string ExplanationWnd::CopyText() const {
    return Explain().PlainText();
}

// A prevalence is typed here as in the calculator's percentage fields: a decimal comma is a
// point, and a refused key is shown as well as sounded.
bool ExplanationWnd::popPreFld_KeyDown(std::string_view key) {
    auto& field = Find<EditField>("popPreFld");
    if (key == ",") {
        field.ReplaceKey(".");
        return false;
    }
    if (calc::IsAcceptedKey(key, true)) return false;
    Beep();
    ShowNote(field, PercentNote());
    return true;
}

void ExplanationWnd::EnableMenuItems() {
    app::ControlMenuItem().SetEnabled(true);
    app::DescriptionMenuItem().SetEnabled(true);
    app::AboutMenuItem().SetEnabled(true);
}

bool ExplanationWnd::ControlMenuItem_Action() {
    app::ControlWnd().Show();
    return false;
}

bool ExplanationWnd::DescriptionMenuItem_Action() {
    app::DescriptionWnd().Show();
    return false;
}

bool ExplanationWnd::AboutMenuItem_Action() {
    app::AboutWnd().Show();
    return false;
}

bool ExplanationWnd::Print_Action() {
    std::unique_ptr<PrinterGraphics> g = CurrentPlatform().OpenPrinterDialog(*this);
    if (!g) return false;
    // The description's measure: 7.5 inches, or the printable width of a narrower page.
    const calc::Explanation x = Explain();
    const int width = std::min(540, g->PageWidth());
    if (x.input == calc::ExplainedInput::None) {
        PlainTextPrinter(*g, x.PlainText(), width)->DrawAll();
        return false;
    }
    // What was explained and when, for the records; the sentences, the pictures they tell of,
    // then the figures.
    constexpr int kGap = 18;
    int y = PlainTextPrinter(*g, PrintedHeading(x, Find<EditField>("popPreFld").Text()), width, 8)
                ->DrawAll();
    y = PlainTextPrinter(*g,
                         x.positiveSentence + "\n" + x.negativeSentence +
                             (x.source.empty() ? "" : "\n" + x.source),
                         width)
            ->DrawAll(y + kGap / 2);
    const std::optional<double> reading = reading_;
    for (const auto& drawing :
         {calc::FrequencyTree(x), calc::IconArrays(x), calc::PredictiveCurves(x, reading)}) {
        const int height = static_cast<int>(drawing.Height() * width / drawing.Width() + 0.5);
        y += kGap;
        if (y + height > g->PageHeight()) {
            g->NextPage();
            y = 0;
        }
        PrintDrawing(*g, drawing, 0, y, width);
        y += height;
    }
    std::string notes;
    for (const auto& note : x.notes) notes += note + "\n";
    if (!notes.empty()) y = PlainTextPrinter(*g, notes, width)->DrawAll(y + kGap);
    const auto table = TablePrinter(*g, TableHead(), TableRows(x), {30, 11, 22, 37}, width);
    y += kGap;
    // A table that fits on a page is not split between two, where its rows would lose its head.
    if (y + table->Height() > g->PageHeight() && table->Height() <= g->PageHeight()) {
        g->NextPage();
        y = 0;
    }
    y = table->DrawAll(y);
    const std::string after =
        (x.statisticsNote.empty() ? "" : x.statisticsNote + "\n\n") + x.methods;
    PlainTextPrinter(*g, after, width)->DrawAll(y + kGap / 2);
    return false;
}

// The focused picture, or the tree when no picture has the focus.
bool ExplanationWnd::Export_Action() {
    const std::vector<PictureName> pictures = Pictures();
    const PictureName* chosen = &pictures[0];
    for (const auto& picture : pictures) {
        if (Find<PictureView>(picture.control).HasFocus()) chosen = &picture;
    }
    const auto& view = Find<PictureView>(chosen->control);
    if (!view.Visible()) {
        MsgBox(Tr("ExplanationWindow",
                  "There is no picture to export until the calculator holds a test."));
        return false;
    }
    const std::string path = CurrentPlatform().ChoosePictureFile(*this, chosen->file);
    if (path.empty()) return false;
    if (const std::string error = SaveDrawing(view.Current(), path); !error.empty()) MsgBox(error);
    return false;
}

}  // namespace windows
