// The interface language's handlers of the main window.
#include "window/TFRMeditor.h"

#include "language/LanguageTexts.h"

#include <QLabel>
#include <QtGlobal>

namespace {

void applyInterfaceLanguage(TFRMeditor& window, Language language) {
    // Loading a registry later builds its title on this base.
    window.BaseTitle = languageTitle(language);
    OpenDialogCaptions openDialog;
    const QStringList missing =
        applyLanguage(window, language, window.RegistryFileName, {window.Lingua, openDialog});
    window.OpenDialog.Title = openDialog.title;
    window.OpenDialog.Filter = openDialog.filter;
    if (!missing.isEmpty())
        qWarning("Controls without their language texts: %s", qPrintable(missing.join(", ")));
}

} // namespace

void TFRMeditor::InitLanguage() {
    Msg = std::make_unique<TMsg>();
    // Filled once at creation: nothing can look an entry up before the first activation,
    // and the texts never change afterwards.
    Msg->InitMensagens();
    // Kept without a parent, so that its controls (Label1 among them) never answer a search
    // for the main window's own.
    frmHelpAbout = std::make_unique<TfrmHelpAbout>();
}

void TFRMeditor::MnEditLanPortClick() {
    applyInterfaceLanguage(*this, Language::Portuguese);
}

void TFRMeditor::MnEditLanEngClick() {
    applyInterfaceLanguage(*this, Language::English);
}

void TFRMeditor::MnHelpAboutClick() {
    frmHelpAbout->prepare(isPortugueseChecked(), Label1->text());
    frmHelpAbout->exec();
}
