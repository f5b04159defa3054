#pragma once

#include "framework/gui/MenuBar.h"

// The menu bar of the application and the palette: File with Quit, Edit with the editing
// commands. It has one instance, made at its first request.
class MenuBar1 : public fw::MenuBar {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& ClassOf() const override { return ClassInfo(); }

    // Builds the File menu, then the Edit menu.
    void Constructor() override;
    void Untitled0();
    void Untitled1();

    // The one instance; built at the first call. A constructor that throws leaves none, and
    // the exception passes on.
    static fw::Ref<MenuBar1> Instance();
    // The instance as held now; nil before the first call and after the exit hook.
    static const fw::Ref<MenuBar1>& ImplicitInstance();
    // The exit hook: releases the instance.
    static void ImplicitInstanceExit();
};
