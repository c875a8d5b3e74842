#pragma once
#include <QCursor>
#include <QFrame>
#include <array>
#include <map>
#include <optional>

class QLabel;

namespace oriastra {

struct HouseTexts;

// The chart tab's frame `Frame1`: the seven house boxes on `picContainer` and, beside them, the
// house name and description the pointer asks for. Tab visits the boxes in house order and
// shows each one's description as the pointer would.
class BurmeseChartFrame : public QFrame {
    Q_OBJECT
public:
    BurmeseChartFrame(const HouseTexts& houses, QWidget* parent);

    // The pointer over the box of house 1 to 7 or its caption.
    void picHouse_MouseMove(int house);
    // The pointer over the frame, the chart's background or the description.
    void picContainer_MouseMove();
    // The planet in the box of house 1 to 7; the box is named after both.
    void ShowPlanet(int house, const QString& planet);

    QWidget* picContainer = nullptr;
    std::array<QFrame*, 7> picHouse{};          // picOne .. picSeven, house 1 first
    std::array<QLabel*, 7> lblHouseCaption{};   // Label12, Label14, ..., house 1 first
    std::array<QLabel*, 7> lblHouseNumber{};    // Label6, Label5, ..., house 1 first
    std::array<QLabel*, 7> lblPlanetName{};     // lblPlanetName(0) is house 1
    QLabel* lblHouseName = nullptr;
    QLabel* lblHouseDesc = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowHover(std::optional<int> house);
    void BuildHouse(int house);
    // Mouse moves over `widget` show the house (1 to 7), the legend (nothing) or are dropped
    // without a change (kStill).
    void Track(QWidget* widget, std::optional<int> house);
    // Keyboard focus on a box shows its house and a brighter edge.
    void MarkFocus(int house, bool focused);

    static constexpr int kStill = -1;
    const HouseTexts& houses_;
    QCursor hand_;  // the same pointing hand over every house box
    std::map<const QObject*, std::optional<int>> hoverOf_;
};

}  // namespace oriastra
