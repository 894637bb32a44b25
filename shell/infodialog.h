#pragma once

#include <QWidget>

struct DialogDesign;

// One of the five information dialogs: a fixed frame with a close box and one text box
// holding the dialog's text. The dialogs have no handlers of their own.
class InfoDialog : public QWidget {
    Q_OBJECT

public:
    explicit InfoDialog(const DialogDesign& design);
};
