#pragma once

// A list whose selected entry the user can move but never clear: a click on
// the blank area below the entries, or a Ctrl+click or Ctrl+Space on the
// selected entry, keeps the selection. The program may still select nothing.

#include <QListWidget>

class SingleChoiceList : public QListWidget {
    Q_OBJECT
public:
    explicit SingleChoiceList(QWidget* parent = nullptr);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event) const override;
};
