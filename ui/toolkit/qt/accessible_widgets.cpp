#include "ui/toolkit/qt/accessible_widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRadioButton>
#include <QVariant>

#include "ui/toolkit/qt/accessible_text.h"
#include "ui/toolkit/qt/announcer.h"
#include "ui/toolkit/qt/edit.h"
#include "ui/toolkit/qt/radio_group.h"
#include "ui/toolkit/qt/static_text.h"

namespace gapwise::qt {
namespace {

constexpr const char* kReadingProperty = "gapwiseReading";
constexpr const char* kTitleProperty = "gapwiseTitle";

// A panel read as one text: its children are not offered.
class TAccessibleReading : public QAccessibleWidget {
 public:
  explicit TAccessibleReading(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

// A value label read together with its title; the title is kept as the label's accessible name,
// which stops the label from announcing each new text.
class TAccessibleTitledValue : public QAccessibleWidget {
 public:
  explicit TAccessibleTitledValue(QLabel* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    return widget()->property(kTitleProperty).toString() + QStringLiteral(": ") +
           static_cast<QLabel*>(widget())->text();
  }
};

// A label of a window read by its description: a paragraph of that text.
class TAccessibleParagraph : public QAccessibleWidget {
 public:
  explicit TAccessibleParagraph(QLabel* w) : QAccessibleWidget(w, QAccessible::Paragraph) {}
  QString text(QAccessible::Text t) const override {
    const QString given = QAccessibleWidget::text(t);
    if (t != QAccessible::Name || !given.isEmpty()) return given;
    return static_cast<QLabel*>(widget())->text();
  }
};

// The announcer: a notification named by the last announced text.
class TAccessibleAnnouncer : public QAccessibleWidget {
 public:
  explicit TAccessibleAnnouncer(TAnnouncer* w) : QAccessibleWidget(w, QAccessible::Notification) {}
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    return static_cast<TAnnouncer*>(widget())->Text();
  }
};

// The choice list: a group named by its caption unless a name was given.
class TAccessibleRadioGroup : public QAccessibleWidget {
 public:
  explicit TAccessibleRadioGroup(TRadioGroup* w) : QAccessibleWidget(w, QAccessible::Grouping) {}
  QString text(QAccessible::Text t) const override {
    const QString given = QAccessibleWidget::text(t);
    if (t != QAccessible::Name || !given.isEmpty()) return given;
    return static_cast<TRadioGroup*>(widget())->Caption().simplified();
  }
};

// One item of the choice list: a radio button named by its value, checked when selected.
class TAccessibleRadioButton : public QAccessibleWidget {
 public:
  explicit TAccessibleRadioButton(QRadioButton* w)
      : QAccessibleWidget(w, QAccessible::RadioButton) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Button()->text();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = Button()->isChecked();
    return s;
  }
  QStringList actionNames() const override {
    return QStringList(pressAction()) << QAccessibleWidget::actionNames();
  }
  void doAction(const QString& name) override {
    if (name == pressAction()) {
      Button()->click();
    } else {
      QAccessibleWidget::doAction(name);
    }
  }

 private:
  QRadioButton* Button() const { return static_cast<QRadioButton*>(widget()); }
};

// Drops an interface made before the widget changed, so that the next query asks the factory.
void Forget(QWidget* widget) {
  QAccessible::deleteAccessibleInterface(
      QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
}

void Remark(QWidget* widget, const char* property, const QVariant& value) {
  if (widget->property(property) == value) return;
  widget->setProperty(property, value);
  Forget(widget);
}

bool InDescribedWindow(const QWidget* widget) {
  return !widget->isWindow() && !widget->window()->accessibleDescription().isEmpty();
}

QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (widget->property(kReadingProperty).toBool()) return new TAccessibleReading(widget);
  if (auto* label = qobject_cast<QLabel*>(widget);
      label != nullptr && label->property(kTitleProperty).isValid()) {
    return new TAccessibleTitledValue(label);
  }
  if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && InDescribedWindow(label)) {
    return new TAccessibleParagraph(label);
  }
  if (auto* announcer = dynamic_cast<TAnnouncer*>(widget)) {
    return new TAccessibleAnnouncer(announcer);
  }
  if (auto* answer = dynamic_cast<TStaticText*>(widget)) return new TAccessibleStaticText(answer);
  if (auto* edit = dynamic_cast<TEditBox*>(widget)) return new TAccessibleEdit(edit);
  if (auto* group = dynamic_cast<TRadioGroup*>(widget)) return new TAccessibleRadioGroup(group);
  auto* button = qobject_cast<QRadioButton*>(widget);
  if (button != nullptr && dynamic_cast<TRadioGroup*>(button->parentWidget()) != nullptr) {
    return new TAccessibleRadioButton(button);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleWidgets() {
  static const bool installed = (QAccessible::installFactory(Factory), true);
  (void)installed;
}

void SetReading(QWidget* panel, const QString& name, const QString& description) {
  Remark(panel, kReadingProperty, true);
  if (panel->accessibleDescription() != description) panel->setAccessibleDescription(description);
  SetAccessibleText(panel, name);
}

void SetAccessibleDescription(QWidget* widget, const QString& description) {
  widget->setAccessibleDescription(description);
  if (!widget->isWindow()) return;
  for (QLabel* label : widget->findChildren<QLabel*>()) Forget(label);
}

void SetAccessibleText(QWidget* widget, const QString& name) {
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

}  // namespace gapwise::qt

namespace gapwise::qt {

void PairWithTitle(QLabel* value, const QString& title) {
  Remark(value, kTitleProperty, title);
  value->setAccessibleName(title);
}

void AnnounceName(QWidget* widget) {
  QAccessibleEvent event(widget, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace gapwise::qt
