// What the files of the state-machine editor window share: the numbers of
// its tabs and the rules for the keys typed into its name list and grids.
#pragma once

#include <QKeyEvent>

#include "fsm/automat.h"

namespace korvalt {

inline constexpr int MemoWidth = 230;
inline constexpr int MinHeight = 300;
// Tab numbers of the editor. Tab 3 is "Takt und Reset" among the identifier
// lists and "Automatentabelle" among the grids; tab 4 exists for grids only.
// The diagram tab comes last among the grids; it stores nothing when left.
enum : int {
    TabEingangsmatrix = 0,
    TabAusgangsmatrix = 1,
    TabZustandsmatrix = 2,
    TabTaktReset = 3,
    TabAutomatentabelle = 3,
    TabAusgangstabelle = 4,
    TabDiagramm = 5,
};

// The part of the description a tab of the view family shows.
inline TPart PartOfTab(bool grids, int tab) {
    if (tab <= TabZustandsmatrix) return static_cast<TPart>(tab);
    if (!grids) return TPart::TaktReset;
    return tab == TabAutomatentabelle ? TPart::Automatentabelle : TPart::Ausgangstabelle;
}

inline bool IsEnter(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// A key that types a character; shortcuts and keys such as Escape, Tab or Delete do not.
inline bool TypesCharacter(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (IsEnter(e) || e->key() == Qt::Key_Backspace) return true;
    const QString text = e->text();
    return !text.isEmpty() && text[0].isPrint();
}

// What a name may be typed from: letters, digits and "_" (BLINK_AUS). The
// checks refuse what is no VHDL identifier (a double or a trailing "_").
inline bool IsNameChar(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           c == u'_';
}

// Keys that leave the duplicate warning as it is: digits, letters, keypad 1-9
// and operators, F1-F11. Every other key (Enter, Backspace, cursor keys...) checks.
inline bool KeepsDuplicateWarning(const QKeyEvent* e) {
    const int k = e->key();
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return true;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F11) return true;
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return !(keypad && k == Qt::Key_0);
    return keypad && (k == Qt::Key_Asterisk || k == Qt::Key_Plus || k == Qt::Key_Minus ||
                      k == Qt::Key_Period || k == Qt::Key_Comma || k == Qt::Key_Slash);
}

} // namespace korvalt
