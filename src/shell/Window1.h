#pragma once

#include <cstdint>
#include <string_view>

#include "framework/files/FolderItem.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/MenuItem.h"
#include "framework/gui/PopupMenu.h"
#include "framework/gui/QuitMenuItem.h"
#include "framework/gui/StaticText.h"
#include "framework/gui/Timer.h"
#include "framework/gui/Window.h"
#include "framework/text/TextFunctions.h"

// The palette: its controls, status line, hover help and menu-item accessors. There is one,
// reached through Instance().
class Window1 : public fw::Window {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& ClassOf() const override { return ClassInfo(); }
    ~Window1() override;

    // The open palette; builds one when none is open. Raises IllegalCastException when the
    // window found under the class's name is not a Window1; an exception while the palette is
    // built passes on.
    static fw::Ref<Window1> Instance();

    // Handler of the Layout event: the menu bar and the window's design values.
    void Layout();
    // Handler of the CreateControls event.
    void CreateControls();
    // Makes the nine controls in their order and attaches their handlers.
    void CreateControls0();
    // Handler of Timer1's Action: shows the palette while the drawing application or the
    // palette itself is frontmost and hides it otherwise, on every tick. An exception from the
    // host script ends the tick with the palette as it was.
    void Timer1_Action(fw::Control& sender);
    // Handler of makeqr's Action: has the QR code of every selected text item made and placed,
    // showing each item's text, then "セット中" once placed, and the idle text at the end. An
    // item whose download fails is skipped without a word; missing fields of an item are
    // empty texts. Nothing is caught: an exception (NilObjectException for a missing popup)
    // ends the run, the status line left as it was.
    void makeqr_Action(fw::Control& sender);
    // Hover help: the status line explains the setting row of the entered control.
    void POP1_MouseEnter(fw::Control& sender);
    void ST2_MouseEnter(fw::Control& sender);

    // The items of the palette's menu bar by name; NilObjectException without a menu bar.
    fw::Ref<fw::MenuItem> EditMenu() const;
    fw::Ref<fw::MenuItem> EditSelectAll() const;
    fw::Ref<fw::MenuItem> UntitledMenu0() const;
    fw::Ref<fw::MenuItem> EditClear() const;
    fw::Ref<fw::MenuItem> EditPaste() const;
    fw::Ref<fw::MenuItem> EditCopy() const;
    fw::Ref<fw::MenuItem> EditCut() const;
    fw::Ref<fw::MenuItem> UntitledMenu1() const;
    fw::Ref<fw::MenuItem> EditUndo() const;
    fw::Ref<fw::MenuItem> FileMenu() const;
    fw::Ref<fw::QuitMenuItem> FileQuit() const;

    // Handler of the Open event: sets gMyPref to "vemo_p.pref" in the Preferences folder, also
    // when that file is missing, and applies its five lines: left (at least 10), top (at least
    // 40) and the rows of POP1(0) to POP1(2); a missing or empty line counts as 0. Without the
    // folder, the file or a stream nothing changes, and nothing is shown.
    void Event_Open();
    // Handler of the Close event: writes the five lines through gMyPref with the type code
    // "pref", then quits with 0. The old file is replaced only by a completely written one; when
    // there is no gMyPref or the file cannot be created, nothing is written and it still quits.
    void Event_Close();

    // Shows a message with the palette brought to the front, then hands the front back to
    // the drawing application.
    void my_msgbox(const fw::String& message);
    // Asks the drawing application to come to the front; a message when it cannot be reached.
    // NilObjectException when no event could be made.
    void AI_ACCTIVE();

    // Downloads the QR code of one item into "temp_<itemNumber>.png" in the folder "temp"
    // (made when missing), within 3 seconds of the connection's start and 3 more from its
    // coming up. The file when a whole image arrived (status 200, a body, its Content-Length
    // when given); no object otherwise. NilObjectException when "temp" cannot be referred to.
    fw::Ref<fw::FolderItem> DownQR(const fw::String& text, std::int32_t itemNumber,
                                   const fw::String& encoding, const fw::String& levelLetter,
                                   const fw::String& size);

    // Writes the status line and redraws it before returning.
    void SetST1(const fw::String& text);

    // The controls by name (and index), typed; nil when absent.
    fw::Ref<fw::Timer> Timer1() const;
    fw::Ref<fw::BevelButton> makeqr() const;
    fw::Ref<fw::PopupMenu> POP1(std::int32_t index) const;
    // POP1(index), looked up now; NilObjectException naming it when the palette lacks it.
    fw::PopupMenu& RequiredPOP1(std::int32_t index) const;
    fw::Ref<fw::StaticText> ST2(std::int32_t index) const;
    fw::Ref<fw::StaticText> ST1() const;

    std::int32_t Untitled = 0;
    fw::Ref<fw::FolderItem> gMyPref;
    fw::Ref<fw::FolderItem> gMyScriptFolder;
    fw::String gAiver;

  private:
    template <class T>
    fw::Ref<T> MenuItemNamed(std::string_view name) const;
    void ShowSettingHelp(std::int32_t index);
};
