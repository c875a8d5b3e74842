#pragma once
#include <QLabel>
#include <functional>
#include <string_view>

namespace oriastra {

// A caption that acts as a web link on a single click, or on Enter or Space once Tab has
// brought the focus to it. Assistive technology meets it as a link named by its caption and
// described by the page it opens.
class BannerLabel : public QLabel {
    Q_OBJECT
public:
    BannerLabel(const QString& objectName, std::string_view caption, const QString& pageRole,
                std::function<void()> onClick, QWidget* parent = nullptr);

    // Opens the page, as a click does.
    void Activate();

    // Measured from the font as a plain wrapped label is; the label's own measuring lays the
    // caption out as a rich-text document each time a window with links is built.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A focused link is outlined, whatever look its window has.
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QSizeF TextBox(qreal width) const;
    QSize WithMargins(QSizeF text) const;

    std::function<void()> onClick_;
};

// A caption as a label shows it: "&&" stands for one ampersand.
QString ShownCaption(std::string_view caption);

// Links come last in the focus order, after every control of the window's own work (those only a
// click or a key reaches included), so Tab goes from the entries to the buttons without stopping
// at an advertisement on the way.
void PutLinksLastInTabOrder(QWidget& window);

}  // namespace oriastra
