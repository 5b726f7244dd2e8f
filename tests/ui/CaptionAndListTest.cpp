// A label shows its caption as written even when it names a control, a tool
// tip its text even when it looks like markup, and a list read right to left
// keeps its text at the left.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QTextDocument>
#include <QToolTip>

#include "ui/ComboBox.h"
#include "ui/Image.h"
#include "ui/TextLabel.h"
#include "widgets/navigation/NavigationPane.h"

namespace ostrak {
namespace {

TEST(TextLabel, AnAmpersandIsALetterEvenWhenTheLabelNamesAControl) {
  for (const char* caption : {"Def & Ataque", "&Fuerza"}) {
    QWidget window;
    QLineEdit edit(&window);
    TLabel plain(&window);
    TLabel naming(&window);
    naming.SetFocusControl(&edit);
    plain.SetCaption(QString::fromUtf8(caption));
    naming.SetCaption(QString::fromUtf8(caption));
    EXPECT_EQ(naming.grab().toImage(), plain.grab().toImage()) << caption;
    EXPECT_EQ(edit.accessibleName(), QString::fromUtf8(caption));
  }
}

TEST(ToolTip, ShowsItsTextAsWrittenEvenWhenItLooksLikeMarkup) {
  const QString hint = QStringLiteral("<b>Guardar</b>  &amp; (Ctrl+S)");
  QWidget window;
  TNavPanelButton button(&window);
  TImage flag(&window);
  for (QWidget* control : std::initializer_list<QWidget*>{&button, &flag}) {
    control->setToolTip(hint);
    QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), control->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(control, &hover);
    // Read as the tool tip's label reads it.
    const QString shown = QToolTip::text();
    QTextDocument document;
    Qt::mightBeRichText(shown) ? document.setHtml(shown) : document.setPlainText(shown);
    EXPECT_EQ(document.toPlainText().toStdString(), hint.toStdString()) << control->metaObject()->className();
    QToolTip::hideText();
  }
}

// The leftmost column of `image` inside `field` holding a text-coloured pixel.
int FirstTextColumn(const QImage& image, const QRect& field) {
  for (int x = field.left(); x <= field.right(); ++x) {
    for (int y = field.top(); y <= field.bottom(); ++y) {
      if (qGray(image.pixel(x, y)) < 64) return x;
    }
  }
  return -1;
}

TEST(ComboBox, RightToLeftPutsTheButtonLeftAndKeepsTheTextLeft) {
  for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
    TComboBox list;
    list.setLayoutDirection(direction);
    list.resize(112, 21);
    list.addItem(QStringLiteral("KO"));
    list.SetItemIndex(0);
    QStyleOptionComboBox option;
    option.initFrom(&list);
    const QRect field =
        list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list);
    const QRect arrow =
        list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &list);
    EXPECT_EQ(arrow.center().x() < field.center().x(), direction == Qt::RightToLeft);
    const int text = FirstTextColumn(list.grab().toImage(), field);
    EXPECT_GE(text, field.left()) << direction;
    EXPECT_LE(text, field.left() + 6) << direction;
  }
}

}  // namespace
}  // namespace ostrak
