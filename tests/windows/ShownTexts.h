#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace oriastra {

class Application;
class Platform;

// Shows every window a reader meets, as the registry lists the traditions, each with its example
// person: the main window, each input window, each view of each reading window, each report
// and the About window; `look` is given each in turn, with the main window around it.
void VisitEveryWindow(Application& program, Platform& platform,
                      const std::function<void(const QWidget&)>& look);

// Every text a person meets in `root` and the controls inside it: captions, titles, tab and menu
// entries, list items, tooltips, accessible names and descriptions, and the text of text views.
QStringList ShownTexts(const QWidget& root);

// The texts of `root` that the program writes itself, not the reading's values: ShownTexts
// without the labels that show a result, the pictures named after a sign, the text views and
// the lists of numbers.
QStringList CaptionTexts(const QWidget& root);

// The visible controls of `root` whose caption does not fit them at their own font, each as
// "objectName: caption"; empty when every caption fits.
QStringList CaptionsThatDoNotFit(const QWidget& root);

}  // namespace oriastra
