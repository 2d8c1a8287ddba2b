// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_dlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "mirelta_resources.h"
#include "mirelta_version.h"

namespace mirelta {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("Mirelta", "About Mirelta"));
    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    auto* text = new QLabel(QStringLiteral("Mirelta Version 1.0"), this);
    auto* build = new QLabel(
        QCoreApplication::translate("Mirelta", "Build %1\nLicence: GNU GPL version 3 or later (%2)")
            .arg(QString::fromLatin1(kVersion), QString::fromLatin1(kLicence)),
        this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    auto* texts = new QVBoxLayout;
    texts->addWidget(text);
    texts->addWidget(build);
    row->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace mirelta
