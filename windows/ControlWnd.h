#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "calc/Calculation.h"
#include "calc/CaseFile.h"
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
    // What the Explanation window was told for the case, which outlives that window: the
    // population's prevalence as typed and the size chosen (0: the fewest that show the figures).
    const std::string& CasePopulation() const { return population_; }
    std::uint64_t CaseSize() const { return size_; }
    void SetCaseInputs(std::string population, std::uint64_t size) {
        population_ = std::move(population);
        size_ = size;
    }
    // The case as a file keeps it, and a case taken from one: its fields as they were typed,
    // the result field empty, nothing calculated.
    calc::Case CurrentCase() const;
    void OpenCase(const calc::Case& c);
    // Runs once the calculator has opened: for a case named on the command line, which must
    // wait for the start-up screen.
    static void WhenOpen(std::function<void(ControlWnd&)> action);

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

    void Open() override;

    calc::Labels labels_;
    std::string population_;
    std::uint64_t size_ = 0;
    // Where the case's figures come from, and the figures as they came, so that the source is
    // named only while they stand as they were.
    struct Credit {
        std::string source;
        std::array<std::string, 7> fields;
    };
    std::optional<Credit> credit_;
};

}  // namespace windows
