#pragma once

#include <string>
#include <string_view>

#include "calc/Calculation.h"
#include "framework/Window.h"

namespace windows {

// The calculator: a two-by-two table of frequencies or three percentages in, the percent of
// positive tests that are true positives out. The field texts are its only data.
class ControlWnd : public framework::Window {
  public:
    void EnableMenuItems() override;

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
};

}  // namespace windows
