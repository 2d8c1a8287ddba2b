// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "app/settings.h"
#include "platform/prompts.h"

class QWidget;

namespace mirelta {

// Message boxes and file dialogs of the desktop window. The dialogs start in the folder they
// last used; Save As asks before it names an existing file.
class QtPrompts : public Prompts {
  public:
    explicit QtPrompts(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    using Prompts::messageBox;
    void messageBox(const std::string& text, const std::string& detail) override;
    std::optional<std::string> openFileName(const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& defaultExtension,
                                            const std::string& defaultName,
                                            const std::string& filter) override;
    std::optional<std::string> folderName(const std::string& title) override;
    bool question(const std::string& text) override;

  private:
    QWidget* owner_;
    Settings settings_;
};

// "Text (*.x)|*.x|Other (*.y)|*.y|" becomes the toolkit's list of "Text (*.x)" entries.
QStringList DialogFilters(const std::string& filter);

}  // namespace mirelta
