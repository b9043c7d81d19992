// The Document Properties window shown by "Save As": the layout's title,
// description, notes, author, e-mail, file version, URL, height and width.
#pragma once

#include "layouts/test_layout.h"

#include <QDialog>

#include <optional>

class QLineEdit;

namespace tessaro::layouts {

class DocumentPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    explicit DocumentPropertiesDialog(const DocumentFields& fields, QWidget* parent = nullptr);
    // The fields with the boxes' texts.
    DocumentFields fields() const;

    // Shows the window; the edited fields after "OK", nothing after "Cancel".
    static std::optional<DocumentFields> Ask(const DocumentFields& fields, QWidget* parent);

private:
    DocumentFields fields_;
    QLineEdit* title_;
    QLineEdit* description_;
    QLineEdit* notes_;
    QLineEdit* author_;
    QLineEdit* email_;
    QLineEdit* version_;
    QLineEdit* url_;
    QLineEdit* height_;
    QLineEdit* width_;
};

} // namespace tessaro::layouts
