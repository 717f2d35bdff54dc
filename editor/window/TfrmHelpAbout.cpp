#include "window/TfrmHelpAbout.h"

#include "language/JpegImage.h"

#include <QFile>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

// The resources live in a static library: register them before the first use.
static void initLanguageResources() {
    Q_INIT_RESOURCE(language);
}

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

QByteArray TfrmHelpAbout::builtInPicture() {
    initLanguageResources();
    QFile file(QStringLiteral(":/language/ImgHelp.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TfrmHelpAbout::TfrmHelpAbout(QWidget* parent, const QByteArray& picture) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHelpAbout"));
    setModal(true);
    setWindowTitle(QStringLiteral("About Velarin..."));

    ImgHelp = makeLabel(this, "ImgHelp", QString());
    ImgHelp->setAlignment(Qt::AlignCenter);
    const JpegDecodeResult decoded = decodeJpeg(picture);
    if (decoded.ok()) {
        ImgHelp->setPixmap(QPixmap::fromImage(decoded.image));
        ImgHelp->setFixedSize(decoded.image.size());
    } else {
        // The box goes on without its picture.
        m_pictureError = decoded.error;
    }
    ImgHelp->setAccessibleName(QStringLiteral("Velarin"));

    Label1 = makeLabel(this, "Label1", QStringLiteral("Velarin"));
    QFont big = Label1->font();
    big.setPointSize(28);
    big.setBold(true);
    Label1->setFont(big);

    Label2 = makeLabel(this, "Label2", QString());
    Label3 = makeLabel(this, "Label3", QStringLiteral("Developed by:"));
    Label4 = makeLabel(this, "Label4", QStringLiteral("The Velarin team"));
    Label5 = makeLabel(this, "Label5", QStringLiteral("Hydro plant registry tools"));

    BTNok = new QPushButton(QStringLiteral("&OK"), this);
    BTNok->setObjectName(QStringLiteral("BTNok"));
    BTNok->setDefault(true);
    connect(BTNok, &QPushButton::clicked, this, &TfrmHelpAbout::BTNokClick);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setHorizontalSpacing(18);
    layout->addWidget(ImgHelp, 0, 0, 6, 1, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1);
    layout->addWidget(Label2, 1, 1);
    layout->setRowMinimumHeight(2, 12);
    layout->addWidget(Label3, 3, 1);
    layout->addWidget(Label4, 4, 1);
    layout->addWidget(Label5, 5, 1, Qt::AlignTop);
    layout->setRowMinimumHeight(6, 10);
    layout->addWidget(BTNok, 7, 0, 1, 2, Qt::AlignHCenter);
}

void TfrmHelpAbout::prepare(bool portugueseChecked, const QString& version) {
    if (portugueseChecked) {
        setWindowTitle(QStringLiteral("Sobre o Velarin..."));
        Label3->setText(QStringLiteral("Desenvolvido por:"));
    } else {
        setWindowTitle(QStringLiteral("About Velarin..."));
        Label3->setText(QStringLiteral("Developed by:"));
    }
    Label2->setText(version);
}

void TfrmHelpAbout::BTNokClick() {
    accept();
}
