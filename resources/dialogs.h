// The dialog templates 2001 (About) and 2002 (Options): controls and their places in dialog units.
#pragma once
#include <cstdint>

enum class ControlKind : uint8_t {
    Label,         // static text, left-aligned
    CentredText,   // static text, centred in its box
    Icon,          // an image resource at its natural size
    CheckBox,      // automatic check box
    DropDownList,  // a closed field that opens a list of entries below it
};

struct DialogItem {
    ControlKind kind;
    int id;            // -1 for plain labels
    const char* text;  // for an icon: unused
    int resource;      // for an icon: its image resource
    int x, y, cx, cy;  // dialog units
};

struct DialogTemplate {
    int id;
    const char* caption;
    const char* face;
    int pointSize;
    int x, y, cx, cy;  // dialog units
    const DialogItem* items;
    int itemCount;
};

// Null when there is no template of that number.
const DialogTemplate* findDialogTemplate(int id);
