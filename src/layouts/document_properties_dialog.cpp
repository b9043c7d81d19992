#include "layouts/document_properties_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace tessaro::layouts {

namespace {

constexpr int kMinimumBoxWidth = 360;
constexpr int kMaximumBoxWidth = 720;

QLineEdit* Field(QFormLayout* form, const QString& label, const std::string& value, const QString& name)
{
    auto* edit = new QLineEdit(QString::fromStdString(value));
    edit->setObjectName(name);
    // Wide enough for a sentence of description, and for a longer value as
    // far as a screen allows.
    const int needed = edit->fontMetrics().horizontalAdvance(edit->text()) + 16;
    edit->setMinimumWidth(std::clamp(needed, kMinimumBoxWidth, kMaximumBoxWidth));
    form->addRow(label, edit);
    return edit;
}

} // namespace

DocumentPropertiesDialog::DocumentPropertiesDialog(const DocumentFields& fields, QWidget* parent)
    : QDialog(parent), fields_(fields)
{
    setObjectName(QStringLiteral("DocumentPropertiesDialog"));
    setWindowTitle(QStringLiteral("Document Properties"));
    auto* form = new QFormLayout(this);
    title_ = Field(form, QStringLiteral("Title:"), fields.title, QStringLiteral("titleBox"));
    description_ = Field(form, QStringLiteral("Description:"), fields.description, QStringLiteral("descriptionBox"));
    notes_ = Field(form, QStringLiteral("Notes:"), fields.notes, QStringLiteral("notesBox"));
    author_ = Field(form, QStringLiteral("Author:"), fields.author, QStringLiteral("authorBox"));
    email_ = Field(form, QStringLiteral("E-mail:"), fields.authorEmail, QStringLiteral("emailBox"));
    version_ = Field(form, QStringLiteral("File Version:"), fields.version, QStringLiteral("versionBox"));
    url_ = Field(form, QStringLiteral("URL:"), fields.url, QStringLiteral("urlBox"));
    height_ = Field(form, QStringLiteral("Height:"), fields.height, QStringLiteral("heightBox"));
    width_ = Field(form, QStringLiteral("Width:"), fields.width, QStringLiteral("widthBox"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

DocumentFields DocumentPropertiesDialog::fields() const
{
    DocumentFields f = fields_;
    f.title = title_->text().toStdString();
    f.description = description_->text().toStdString();
    f.notes = notes_->text().toStdString();
    f.author = author_->text().toStdString();
    f.authorEmail = email_->text().toStdString();
    f.version = version_->text().toStdString();
    f.url = url_->text().toStdString();
    f.height = height_->text().toStdString();
    f.width = width_->text().toStdString();
    return f;
}

std::optional<DocumentFields> DocumentPropertiesDialog::Ask(const DocumentFields& fields, QWidget* parent)
{
    DocumentPropertiesDialog dialog(fields, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.fields();
}

} // namespace tessaro::layouts
