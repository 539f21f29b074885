#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/explain/Explanation.h"
#include "framework/Window.h"

namespace windows {

// The calculator's input told as persons, with every statistic of the test and its interval.
// It keeps nothing of the calculator: each change of the calculator's texts asks it to read
// them again.
class ExplanationWnd : public framework::Window {
  public:
    void EnableMenuItems() override;
    std::string CopyText() const override;
    // Reads the calculator's entry fields and shows what they say.
    void Recalculate();
    // The calculator's Clear starts a new case: the population and the size the story was told
    // for belonged to the case before, and would silently change the next one.
    void StartNewCase();
    // Shows the names of what the case's test looks for and who is tested, as the calculator
    // keeps them, and tells the case again in them.
    void ShowCaseLabels();

  protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Open() override;

  private:
    calc::Explanation Explain() const;
    void DrawCurves();
    void OfferSizes(const calc::Explanation& x);
    void CaseInput_Change();

    // What the pictures show, kept so that moving the reading along the curves redraws them
    // without reading the calculator again.
    calc::Explanation shown_;
    // The prevalence at which the curves are read, once the pointer or the arrow keys moved it.
    std::optional<double> reading_;
    // The sizes "Tell it for" offers after its first choice: those whose whole persons show
    // every figure as the table does.
    std::vector<std::uint64_t> sizes_;

    bool CurvesPic_KeyDown(std::string_view key);
    bool Export_Action();

    bool popPreFld_KeyDown(std::string_view key);
    void LabelFld_TextChange();
    // While the names are being shown, their fields' changes are not the person's edits.
    bool showingLabels_ = false;
    bool ControlMenuItem_Action();
    bool DescriptionMenuItem_Action();
    bool AboutMenuItem_Action();
    bool Print_Action();
};

}  // namespace windows
