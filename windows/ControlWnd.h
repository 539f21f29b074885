#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "calc/Calculation.h"
#include "calc/explain/Explanation.h"
#include "framework/Window.h"

namespace windows {

// The calculator: a two-by-two table of frequencies or three percentages in, the percent of
// positive tests that are true positives out. The field texts are its data, with the names of
// what the case's test looks for and who is tested, which the Explanation window shows and edits
// and which outlive it, and the example the case was started from.
class ControlWnd : public framework::Window {
  public:
    void EnableMenuItems() override;
    // Starts a case from calc::Examples()[index] as a person would: Clear, the figures entered,
    // Calculate; with the example's names for the explanation.
    void ChooseExample(std::size_t index);
    const calc::Labels& CaseLabels() const { return labels_; }
    void SetCaseLabels(calc::Labels labels) { labels_ = std::move(labels); }
    // The example's source while the entry fields hold its figures as entered, so that figures
    // edited by hand are never credited to it; empty otherwise.
    std::string_view Source() const;

  protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Activate() override;
    void Close() override;

  private:
    void CreateControls0();
    bool EntryKeyDown(const char* name, std::string_view key);
    void EnterIn(std::string_view name);
    void Refuse(const char* name);
    void ShowResult(const std::string& ppp);
    // What Calculate would do with the fields as they are.
    calc::CalcOutcome Outcome() const;

    bool tpFld_KeyDown(std::string_view key);
    bool fpFld_KeyDown(std::string_view key);
    bool fnFld_KeyDown(std::string_view key);
    bool tnFld_KeyDown(std::string_view key);
    bool preFld_KeyDown(std::string_view key);
    bool dtFld_KeyDown(std::string_view key);
    bool tFld_KeyDown(std::string_view key);
    bool pppFld_KeyDown(std::string_view key);
    void CalculateBtn_Action();
    void ClearBtn_Action();
    bool Canvas2_MouseDown(int x, int y);
    void EntryFld_TextChange();

    bool DescriptionMenuItem_Action();
    bool AboutQor_Action();

    calc::Labels labels_;
    std::optional<std::size_t> example_;
};

}  // namespace windows
