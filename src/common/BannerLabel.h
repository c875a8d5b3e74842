#pragma once
#include <QLabel>
#include <functional>
#include <string_view>

namespace oriastra {

// A caption that acts as a web link on a single click.
class BannerLabel : public QLabel {
    Q_OBJECT
public:
    BannerLabel(const QString& objectName, std::string_view caption, std::function<void()> onClick,
                QWidget* parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> onClick_;
};

// A caption as a label shows it: "&&" stands for one ampersand.
QString ShownCaption(std::string_view caption);

}  // namespace oriastra
