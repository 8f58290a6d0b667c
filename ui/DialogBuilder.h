// Builds a dialog's controls from its template table: widgets created in template order (so
// that is the tab order), placed by dialog units of the dialog's font, found again by id.
#pragma once

#include "res/DialogTemplates.h"

#include <QMap>
#include <QPoint>
#include <QRect>

#include <functional>

class QDialog;
class QFont;
class QWidget;

namespace vak {

// Dialog base units of a font, much as Windows computes them: the average width of the 52
// letters A-Z a-z (rounded up) and the height of a line of text, in pixels.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
};
DialogBaseUnits BaseUnitsOf(const QFont& font);

// A rectangle in dialog units converted to pixels: x * baseX / 4, y * baseY / 8, rounded.
QRect DialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int w, int h);

// The id of the template a window was built from, or 0 for any other window.
int TemplateOf(const QWidget& window);

class CDialogControls {
public:
    // Gives `dialog` the title and size of template `templateId` and creates its controls.
    // Returns false when the program has no such template.
    bool Build(QDialog& dialog, int templateId);

    // The control with `id`, or nullptr.
    QWidget* GetDlgItem(int id) const { return m_items.value(id, nullptr); }
    template <class T>
    T* Item(int id) const { return qobject_cast<T*>(GetDlgItem(id)); }

    // Runs `handler` when the button with `id` is clicked.
    void OnClicked(int id, std::function<void()> handler) const;

    // The control after (or before) `from` in template order that Tab would reach: shown,
    // enabled and taking the focus by Tab, wrapping around; `from` itself when there is none.
    QWidget* NextTabItem(QWidget* from, bool forward) const;

    // Shows or hides the control with `id`.
    void Show(int id, bool visible) const;
    // Sets the text of the control with `id`; a screen reader hears it when the template says so.
    void SetText(int id, const QString& text) const;
    QString Text(int id) const;

private:
    QWidget* Create(QDialog& dialog, const DialogControl& control) const;
    void NameControls() const;
    void NameWhileUncaptioned(QWidget* widget, const QString& caption) const;
    const DialogControl* ControlOf(QWidget* widget) const;
    const DialogTemplate* m_template = nullptr;
    QMap<int, QWidget*> m_items;
    QList<QWidget*> m_order;  // every control, in template order
};

} // namespace vak
