#pragma once

// What the three styled controls share: their own text and background colour,
// their own font and an optional tooltip, and a switch that makes a control
// ignore the user's mouse and keys. The widget's palette holds the colours, so
// the style paints them wherever it draws the control; which palette roles that
// takes depends on the kind of control and is given by the derived class.

#include "controls/ReadableTextColor.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <array>
#include <optional>
#include <span>

struct StyleRoles {
    std::span<const QPalette::ColorRole> background;  // the first one is the reported colour
    std::span<const QPalette::ColorRole> text;
};

template <class Base> class StyledControl : public Base {
public:
    // Until a text colour is set, the text takes black or white, whichever
    // reads better on this background: the palette's text colour was chosen
    // for the palette's own faces.
    bool SetBackgroundColor(QColor color)
    {
        if (!hasOwnTextColor)
            SetColor(roles.text, enabledGroups, ReadableTextColor(color));
        return SetColor(roles.background, allGroups, color);
    }
    bool GetBackgroundColor(QColor& color) const
    {
        color = this->palette().color(roles.background.front());
        return true;
    }
    // Disabled text keeps the style's own colour, so a disabled control still looks disabled.
    bool SetTextColor(QColor color)
    {
        hasOwnTextColor = true;
        return SetColor(roles.text, enabledGroups, color);
    }
    bool GetTextColor(QColor& color) const
    {
        color = this->palette().color(roles.text.front());
        return true;
    }

    bool SetFont(int points, bool bold, bool italic, const QString& faceName)
    {
        return SetFontDescription(
            QFont(faceName, points, bold ? QFont::Bold : QFont::Normal, italic));
    }
    bool SetFontDescription(const QFont& description)
    {
        this->setFont(description);
        return true;
    }
    bool GetFontDescription(QFont& description) const
    {
        description = this->font();
        return true;
    }
    bool SetBold(bool on)
    {
        return ChangeFont([on](QFont& font) { font.setBold(on); });
    }
    bool SetItalic(bool on)
    {
        return ChangeFont([on](QFont& font) { font.setItalic(on); });
    }
    bool SetFontSize(int points)
    {
        return ChangeFont([points](QFont& font) {
            font.setPointSize(points);
            font.setStretch(QFont::AnyStretch);
        });
    }
    bool SetFontName(const QString& faceName)
    {
        return ChangeFont([&faceName](QFont& font) { font.setFamily(faceName); });
    }

    bool SetToolTipText(const QString& text, bool activate)
    {
        toolTipText = text;
        return ActivateToolTip(activate);
    }
    // False, changing nothing, while no tooltip text was ever set.
    bool ActivateToolTip(bool on)
    {
        if (!toolTipText)
            return false;
        this->setToolTip(on ? *toolTipText : QString());
        return true;
    }

protected:
    StyledControl(QWidget* parent, StyleRoles styleRoles)
        : Base(parent)
        , roles(styleRoles)
    {
    }

    // A transparent control lets its parent's background show through; an
    // opaque one fills its whole rectangle with its background colour.
    bool SetTransparent(bool on)
    {
        this->setAutoFillBackground(!on);
        this->update();
        return true;
    }
    bool IsTransparent() const { return !this->autoFillBackground(); }

    // A control that is not interactive still paints and takes the focus, but the
    // user's clicks and keys no longer change it.
    bool SetInteractive(bool on)
    {
        interactive = on;
        return true;
    }

    bool event(QEvent* event) override
    {
        if (!interactive && IsUserInput(event->type())) {
            event->ignore();  // the parent still sees it, e.g. a dialog's Tab, Enter and Escape
            return false;
        }
        return Base::event(event);
    }

    // Starts from the control's current font, so successive changes accumulate.
    template <class Change> bool ChangeFont(Change change)
    {
        QFont font = this->font();
        change(font);
        return SetFontDescription(font);
    }

private:
    static constexpr std::array allGroups{QPalette::Active, QPalette::Inactive, QPalette::Disabled};
    static constexpr std::array enabledGroups{QPalette::Active, QPalette::Inactive};

    static bool IsUserInput(QEvent::Type type)
    {
        static constexpr std::array userInput{QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
            QEvent::MouseButtonDblClick, QEvent::KeyPress, QEvent::KeyRelease, QEvent::Wheel,
            QEvent::Shortcut};
        return std::ranges::find(userInput, type) != userInput.end();
    }

    bool SetColor(std::span<const QPalette::ColorRole> colorRoles,
        std::span<const QPalette::ColorGroup> groups, QColor color)
    {
        QPalette palette = this->palette();
        const QBrush brush(color);  // one brush for every role and group, not one each
        for (QPalette::ColorGroup group : groups)
            for (QPalette::ColorRole role : colorRoles)
                palette.setBrush(group, role, brush);
        this->setPalette(palette);
        return true;
    }

    StyleRoles roles;
    std::optional<QString> toolTipText;
    bool interactive = true;
    bool hasOwnTextColor = false;
};
