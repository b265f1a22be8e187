#pragma once
// A bar of tool buttons that wraps into as many rows as its width needs, so a narrow side
// panel still shows every button (a tool bar outside a main window cannot show its overflow).
// Add actions with addAction, as on a tool bar; each gets a flat tool button.

#include <QWidget>

class QToolButton;

class TKnapBar : public QWidget {
    Q_OBJECT
public:
    explicit TKnapBar(const QString &objectName, QWidget *parent = nullptr);

    void setIconSize(const QSize &size);
    // Puts a widget after the buttons added so far; the bar takes it over.
    void addWidget(QWidget *widget);
    // The button of an action on this bar, or null.
    QToolButton *knap(const QAction *action) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void actionEvent(QActionEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Places the items in rows within `width`; returns the height they take. Moves the
    // widgets only when `place` is set.
    int anbring(int width, bool place) const;

    QList<QWidget *> m_items;
    QSize m_iconSize{16, 16};
};
