#include "windows/ControlWnd.h"

#include <algorithm>
#include <array>

#include "calc/Calculation.h"
#include "calc/Figures.h"
#include "calc/KeyFilter.h"
#include "calc/Translation.h"
#include "calc/explain/Examples.h"
#include "calc/explain/Wording.h"
#include "framework/Application.h"
#include "framework/Language.h"
#include "framework/Platform.h"
#include "windows/AboutWnd.h"
#include "windows/DescriptionWnd.h"
#include "windows/ExplanationWnd.h"
#include "windows/Menu.h"
#include "windows/Pictures.h"
#include "windows/Windows.h"

namespace windows {

using namespace framework;

namespace {

// The entry fields in the order the eye reads them, which Tab and Enter follow too.
constexpr std::array<const char*, 7> kEntryFields{"tpFld",  "fpFld", "fnFld", "tnFld",
                                                  "preFld", "dtFld", "tFld"};

// The table cells count persons, in whole numbers; the percentages take a decimal point.
bool TakesPoint(std::string_view name) {
    return name == "preFld" || name == "dtFld" || name == "tFld";
}

const char* FieldName(calc::Field field) {
    switch (field) {
        case calc::Field::tp:
            return "tpFld";
        case calc::Field::fp:
            return "fpFld";
        case calc::Field::fn:
            return "fnFld";
        case calc::Field::tn:
            return "tnFld";
        case calc::Field::pre:
            return "preFld";
        case calc::Field::dt:
            return "dtFld";
        case calc::Field::t:
            return "tFld";
        case calc::Field::ppp:
            return "pppFld";
    }
    return "tpFld";
}

}  // namespace

void ControlWnd::Layout() {
    SetProperties({
        .width = 515,
        .height = 440,
        .minWidth = 64,
        .minHeight = 64,
        .maxWidth = 500,
        .maxHeight = 500,
        .frame = Frame::Document,
        .composite = false,
        .hasBackColor = true,
        .backColor = 0xFFFFFF,
        .title = "Varnholt",
        .visible = true,
        .fullScreen = false,
        .menuBarVisible = true,
        .closeButton = true,
        .resizeable = false,
        .liveResize = false,
        .maximizeButton = false,
        .minimizeButton = true,
    });
}

void ControlWnd::CreateControls() {
    CreateControls0();
}

void ControlWnd::CreateControls0() {
    const Rectangle::Props panel{
        .fillColor = 0xE6E6E6,
        .topLeftColor = 0x808080,
        .bottomRightColor = 0x333333,
        .borderWidth = 2,
    };
    auto panelAt = [&](Rect bounds) {
        Rectangle::Props p = panel;
        p.bounds = bounds;
        return p;
    };
    Add<Rectangle>("Rectangle1", panelAt({201, 128, 72, 74}));
    Add<Rectangle>("Rectangle2", panelAt({272, 128, 72, 74}));

    auto frequency = [](Rect bounds, const char* parent, const std::string& spoken) {
        return EditField::Props{
            .bounds = bounds,
            .font = {"Courier", 12, true},
            .alignment = Align::Centre,
            .textColor = 0x1822CD,
            .multiLine = true,
            .styled = false,
            .limitText = 5,
            .limitUnit = Tr("Calculator", "digits"),
            .locks = {true, true, true, true},
            .parent = parent,
            .accessibleName = spoken,
        };
    };
    Add<EditField>("tpFld", frequency({213, 138, 46, 18}, "Rectangle1",
                                      Tr("Calculator", "Test positive, disorder present")))
        .KeyDown = [this](std::string_view k) { return tpFld_KeyDown(k); };
    Add<EditField>("fpFld", frequency({286, 138, 46, 18}, "Rectangle2",
                                      Tr("Calculator", "Test positive, disorder absent")))
        .KeyDown = [this](std::string_view k) { return fpFld_KeyDown(k); };
    Add<EditField>("fnFld", frequency({213, 172, 46, 18}, "Rectangle1",
                                      Tr("Calculator", "Test negative, disorder present")))
        .KeyDown = [this](std::string_view k) { return fnFld_KeyDown(k); };
    Add<EditField>("tnFld", frequency({286, 172, 46, 18}, "Rectangle2",
                                      Tr("Calculator", "Test negative, disorder absent")))
        .KeyDown = [this](std::string_view k) { return tnFld_KeyDown(k); };

    auto percentage = [](int top, Color colour, bool readOnly, const std::string& spoken) {
        return EditField::Props{
            .bounds = {397, top, 80, 20},
            .font = {"System", 12},
            .alignment = Align::Centre,
            .textColor = colour,
            .multiLine = false,
            .styled = true,
            .readOnly = readOnly,
            .limitText = 9,
            .accessibleName = spoken,
        };
    };
    Add<EditField>("preFld", percentage(240, 0x000080, false,
                                        Tr("Calculator", "Percent prevalence in population")))
        .KeyDown = [this](std::string_view k) { return preFld_KeyDown(k); };
    Add<EditField>(
        "dtFld", percentage(270, 0x000080, false,
                            Tr("Calculator", "If person has disorder, percent with positive test")))
        .KeyDown = [this](std::string_view k) { return dtFld_KeyDown(k); };
    Add<EditField>("tFld",
                   percentage(300, 0x000080, false,
                              Tr("Calculator",
                                 "If person does not have disorder, percent with positive test")))
        .KeyDown = [this](std::string_view k) { return tFld_KeyDown(k); };
    Add<EditField>("pppFld",
                   percentage(330, 0x000000, true,
                              Tr("Calculator", "Percent with positive test and disorder")))
        .KeyDown = [this](std::string_view k) { return pppFld_KeyDown(k); };

    Add<PushButton>("ClearBtn",
                    {.bounds = {407, 390, 70, 30}, .caption = Tr("Calculator", "Clear")})
        .Action = [this] { ClearBtn_Action(); };
    Add<PushButton>("CalculateBtn",
                    {.bounds = {35, 390, 80, 30}, .caption = Tr("Calculator", "Calculate")})
        .Action = [this] { CalculateBtn_Action(); };

    auto label = [](Rect bounds, const std::string& text, Font font = {"System", 12},
                    Align align = Align::Left, Color colour = 0x000000, bool enabled = true) {
        return StaticText::Props{.bounds = bounds,
                                 .text = text,
                                 .font = font,
                                 .alignment = align,
                                 .textColor = colour,
                                 .enabled = enabled};
    };
    Add<StaticText>("StaticText4", label({35, 240, 355, 20},
                                         Tr("Calculator", "Percent prevalence in population:")));
    Add<StaticText>("StaticText5",
                    label({35, 270, 355, 20},
                          Tr("Calculator", "If person has disorder, percent with positive test:")));
    Add<Canvas>("Canvas2",
                {
                    .bounds = {240, 388, 32, 32},
                    .backdrop = app::Info32(),
                    .acceptFocus = false,
                    .accessibleName = Tr("Calculator", "Description"),
                })
        .MouseDown = [this](int x, int y) { return Canvas2_MouseDown(x, y); };
    Add<StaticText>(
        "cTxt", label({0, 30, 514, 20}, Tr("Calculator", "Copyright 2006 The Predivo developers"),
                      {"System", 11}, Align::Centre, 0x000080, false));
    Add<StaticText>(
        "StaticText6",
        label({35, 300, 355, 20},
              Tr("Calculator", "If person does not have disorder, percent with positive test:")));
    Add<StaticText>("StaticText7", label({4, 6, 509, 24}, "Predivo", {"System", 24, true},
                                         Align::Centre, 0x000080));
    Add<StaticText>("StaticText11",
                    label({241, 81, 66, 20}, Tr("Calculator", "Disorder"), {"System", 14}));
    Add<StaticText>("StaticText12", label({209, 108, 54, 19}, Tr("Calculator", "Present"),
                                          {"System", 12}, Align::Centre));
    Add<StaticText>("StaticText13", label({287, 107, 49, 20}, Tr("Calculator", "Absent"),
                                          {"System", 12}, Align::Centre));
    Add<StaticText>("StaticText14",
                    label({80, 151, 34, 19}, Tr("Calculator", "Test"), {"System", 14}));
    Add<StaticText>("StaticText15", label({132, 138, 54, 20}, Tr("Calculator", "Positive")));
    Add<StaticText>("StaticText16", label({126, 171, 62, 20}, Tr("Calculator", "Negative")));
    Add<StaticText>(
        "StaticText1",
        label({35, 330, 355, 20}, Tr("Calculator", "Percent with positive test and disorder:")));

    // Pasted text, often a spreadsheet's cell, comes in as the number it was meant to be, its
    // digits grouped as the desktop's language groups them.
    for (const char* name : kEntryFields) {
        Find<EditField>(name).Paste = [this, name](std::string_view text) {
            auto number = calc::PastedNumber(text, TakesPoint(name), DigitGroupSeparator());
            if (!number) Refuse(name);
            return number;
        };
    }
    // Clear comes last: a person who tabs past the fields and presses Space must calculate, not
    // lose every entry.
    SetTabOrder({"tpFld", "fpFld", "fnFld", "tnFld", "preFld", "dtFld", "tFld", "pppFld",
                 "CalculateBtn", "ClearBtn"});
    for (const char* name : {"tpFld", "fpFld", "fnFld", "tnFld", "preFld", "dtFld", "tFld"}) {
        Find<EditField>(name).TextChange = [this] { EntryFld_TextChange(); };
    }
}

void ControlWnd::AddMenuHandlers() {
    AddMenuHandler("DescriptionMenuItem", [this] { return DescriptionMenuItem_Action(); });
    AddMenuHandler("AboutQor", [this] { return AboutQor_Action(); });
}

bool ControlWnd::tpFld_KeyDown(std::string_view key) {
    return EntryKeyDown("tpFld", key);
}
bool ControlWnd::fpFld_KeyDown(std::string_view key) {
    return EntryKeyDown("fpFld", key);
}
bool ControlWnd::fnFld_KeyDown(std::string_view key) {
    return EntryKeyDown("fnFld", key);
}
bool ControlWnd::tnFld_KeyDown(std::string_view key) {
    return EntryKeyDown("tnFld", key);
}
bool ControlWnd::preFld_KeyDown(std::string_view key) {
    return EntryKeyDown("preFld", key);
}
bool ControlWnd::dtFld_KeyDown(std::string_view key) {
    return EntryKeyDown("dtFld", key);
}
bool ControlWnd::tFld_KeyDown(std::string_view key) {
    return EntryKeyDown("tFld", key);
}
// The result takes no typing; its keys are judged like a percentage's all the same, so that a
// key that could never belong there sounds the alert.
bool ControlWnd::pppFld_KeyDown(std::string_view key) {
    if (calc::IsAcceptedKey(key, true)) return false;
    Beep();
    return true;
}

bool ControlWnd::EntryKeyDown(const char* name, std::string_view key) {
    if (key == "\r") {
        EnterIn(name);
        return true;
    }
    const bool point = TakesPoint(name);
    // Where the comma is the decimal separator people type one, and the keypad's decimal key
    // sends one.
    if (point && key == ",") {
        Find<EditField>(name).ReplaceKey(".");
        return false;
    }
    if (calc::IsAcceptedKey(key, point)) return false;
    Refuse(name);
    return true;
}

// The alert sound is silent on many desktops: what a field refuses must also be seen.
void ControlWnd::Refuse(const char* name) {
    Beep();
    ShowNote(Find<EditField>(name), TakesPoint(name)
                                        ? Tr("Calculator", "Digits and a decimal point only")
                                        : Tr("Calculator", "Whole numbers only"));
}

// Enter ends an entry as in a spreadsheet. A line break in a cell would only hide its number, so
// none goes in: once the set this field belongs to is complete, Enter calculates, and otherwise
// it moves on to the next field. It never calculates with the other set, since that would empty
// the field just typed in.
void ControlWnd::EnterIn(std::string_view name) {
    const auto set = TakesPoint(name) ? calc::InputMode::Percentages : calc::InputMode::Frequencies;
    if (Outcome().mode == set) {
        CalculateBtn_Action();
        return;
    }
    const auto at =
        std::find(kEntryFields.begin(), kEntryFields.end(), name) - kEntryFields.begin();
    Find<EditField>(kEntryFields[(at + 1) % kEntryFields.size()]).SetFocus();
}

calc::CalcOutcome ControlWnd::Outcome() const {
    auto text = [this](const char* name) { return Find<EditField>(name).Text(); };
    return calc::RunCalculation(text("tpFld"), text("fpFld"), text("fnFld"), text("tnFld"),
                                text("preFld"), text("dtFld"), text("tFld"));
}

void ControlWnd::CalculateBtn_Action() {
    const calc::CalcOutcome outcome = Outcome();
    if (!outcome.calculated) {
        MsgBox(outcome.message);
        Find<EditField>(FieldName(outcome.focus)).SetFocus();
        return;
    }
    for (calc::Field field : outcome.emptied) Find<EditField>(FieldName(field)).SetText("");
    ShowResult(outcome.pppText);
}

void ControlWnd::ClearBtn_Action() {
    for (const char* name : kEntryFields) Find<EditField>(name).SetText("");
    ShowResult("");
    labels_ = {};
    population_.clear();
    size_ = 0;
    credit_.reset();
    if (FindImplicitWindow("ExplanationWnd")) app::ExplanationWnd().StartNewCase();
    Find<EditField>("tpFld").SetFocus();
}

void ControlWnd::ChooseExample(std::size_t index) {
    const calc::Example example = calc::Examples().at(index);
    ClearBtn_Action();
    labels_ = example.labels;
    credit_ = Credit{example.source, {}};
    for (std::size_t i = 0; i < kEntryFields.size(); ++i) credit_->fields[i] = example.fields[i];
    if (FindImplicitWindow("ExplanationWnd")) app::ExplanationWnd().ShowCaseLabels();
    // Through the fields' texts, as typing would, so that an open explanation follows.
    for (std::size_t i = 0; i < kEntryFields.size(); ++i) {
        Find<EditField>(kEntryFields[i]).SetText(example.fields[i]);
    }
    CalculateBtn_Action();
}

std::string_view ControlWnd::Source() const {
    if (!credit_) return {};
    for (std::size_t i = 0; i < kEntryFields.size(); ++i) {
        if (Find<EditField>(kEntryFields[i]).Text() != credit_->fields[i]) return {};
    }
    return credit_->source;
}

calc::Case ControlWnd::CurrentCase() const {
    calc::Case c;
    for (std::size_t i = 0; i < kEntryFields.size(); ++i) {
        c.fields[i] = Find<EditField>(kEntryFields[i]).Text();
    }
    c.labels = labels_;
    c.populationPrevalence = population_;
    c.size = size_;
    c.source = std::string(Source());
    return c;
}

void ControlWnd::OpenCase(const calc::Case& c) {
    ClearBtn_Action();
    labels_ = c.labels;
    population_ = c.populationPrevalence;
    size_ = c.size;
    if (!c.source.empty()) credit_ = Credit{c.source, c.fields};
    for (std::size_t i = 0; i < kEntryFields.size(); ++i) {
        Find<EditField>(kEntryFields[i]).SetText(c.fields[i]);
    }
    if (FindImplicitWindow("ExplanationWnd")) app::ExplanationWnd().ShowCaseLabels();
}

namespace {

std::function<void(ControlWnd&)>& OnOpen() {
    static std::function<void(ControlWnd&)> action;
    return action;
}

}  // namespace

void ControlWnd::WhenOpen(std::function<void(ControlWnd&)> action) {
    OnOpen() = std::move(action);
}

void ControlWnd::Open() {
    if (auto action = std::exchange(OnOpen(), nullptr)) action(*this);
}

// The result changes where the focus is not: a screen reader learns of it by the change of the
// field's text, and says what the bare number is by its description, which is set first so that
// it is there when the change is told. Said, .2 needs the zero that the field leaves out.
void ControlWnd::ShowResult(const std::string& ppp) {
    auto& field = Find<EditField>("pppFld");
    const std::string said = (ppp.starts_with('.') ? "0" : "") + ppp;
    field.SetAccessibleDescription(
        ppp.empty() ? ""
                    : calc::Arg(Tr("Calculator", "Positive predictive value: %1%"),
                                {calc::Localized(said)}));
    field.SetText(ppp);
}

bool ControlWnd::Canvas2_MouseDown(int, int) {
    app::DescriptionWnd().Show();
    return false;
}

// An open explanation follows every change of the input; none is opened for it.
void ControlWnd::EntryFld_TextChange() {
    if (auto* x = dynamic_cast<ExplanationWnd*>(FindImplicitWindow("ExplanationWnd"))) {
        x->Recalculate();
    }
}

void ControlWnd::Activate() {
    // Only an About window that exists needs putting away; asking the accessor would make one.
    if (Window* about = FindImplicitWindow("AboutWnd")) about->Hide();
}

void ControlWnd::Close() {
    Quit(0);
}

void ControlWnd::EnableMenuItems() {
    app::ControlMenuItem().SetEnabled(false);
    app::DescriptionMenuItem().SetEnabled(true);
    app::AboutMenuItem().SetEnabled(true);
}

bool ControlWnd::DescriptionMenuItem_Action() {
    app::DescriptionWnd().Show();
    return false;
}

bool ControlWnd::AboutQor_Action() {
    app::AboutWnd().Show();
    return false;
}

}  // namespace windows
