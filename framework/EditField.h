#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/Control.h"

namespace framework {

class PrinterGraphics;
class StyledTextPrinter;

// A text entry field, single- or multi-line.
class EditField : public Control {
  public:
    struct Props {
        Rect bounds{};
        std::string text{};
        Font font{};
        Align alignment = Align::Left;
        Color textColor = 0x000000;
        Color backColor = 0xFFFFFF;
        bool enabled = true;
        bool visible = true;
        bool border = true;
        bool multiLine = false;
        bool styled = false;
        bool readOnly = false;
        bool scrollBarVertical = false;
        bool scrollBarHorizontal = false;
        // The most characters a person can get into the field by any edit; 0 for no limit.
        // Text the program sets is not limited. A paste that would pass it is refused whole, with
        // a note that names the limit in this unit: "At most 9 characters".
        int limitText = 0;
        std::string limitUnit{};  // empty: characters
        Locks locks{};
        std::string parent{};
        // What a screen reader announces for the field.
        std::string accessibleName{};
        // Only drawn, as a field that merely shows beneath another: it takes neither focus nor
        // clicks, and assistive technology does not see it.
        bool drawnOnly = false;
    };

    EditField(Window& owner, std::string name, const Props& props);
    ~EditField() override;

    // The whole text; line breaks are single carriage returns.
    std::string Text() const;
    void SetText(std::string_view text);
    // Selection in characters, a line break counting as one.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    bool SelBold() const;
    void SetSelBold(bool bold);
    void SetFocus();
    bool HasFocus() const;
    int LimitText() const { return limitText_; }
    // What a screen reader says of the field besides its name and text.
    void SetAccessibleDescription(std::string_view description);
    // A printer for the field's text with its styles, wrapped at wrapWidth points.
    std::unique_ptr<framework::StyledTextPrinter> StyledTextPrinter(PrinterGraphics& graphics,
                                                                    int wrapWidth) const;

    // Called with each typed character before the field takes it; return true to swallow it.
    std::function<bool(std::string_view key)> KeyDown;
    // Called from KeyDown: when it then returns false, the field takes this text in place of the
    // key.
    void ReplaceKey(std::string_view text) { replacement_ = std::string(text); }
    // Called with text that comes in by the clipboard or a drop, before the field's limit is
    // applied: the text to take in its place, or nothing to refuse it whole.
    std::function<std::optional<std::string>(std::string_view text)> Paste;
    // Called after every change of the text: typed, pasted, cut, undone or set by the program.
    std::function<void()> TextChange;

    class Impl;

  private:
    std::unique_ptr<Impl> impl_;
    int limitText_ = 0;
    std::string limitUnit_;
    std::optional<std::string> replacement_;
};

}  // namespace framework
