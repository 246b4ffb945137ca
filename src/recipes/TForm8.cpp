#include "TForm8.h"

#include "PictureData.h"
#include "data/TDataModule1.h"
#include "toolkit/widgets/DBImage.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

TForm8::TForm8(QWidget *owner, TDataModule1 &dataModule)
    : VaneDialog(QStringLiteral("Form8"), QCoreApplication::translate("PictureViewer", "Meal Picture viewer"),
                 QCoreApplication::translate("PictureViewer", "  View picture"), owner)
    , m_picture(new DBImage(dataModule.MEALS, QStringLiteral("Meal_Picture"), picture::decode,
                            picture::pictureSize, DBImage::Fit::ShrinkToFit, this)) {
    m_picture->setObjectName(QStringLiteral("EDBImage2"));
    m_picture->setAccessibleName(QCoreApplication::translate("PictureViewer", "Recipe picture"));
    // A large photograph fits the window first; "Actual size" shows every pixel, to be scrolled over.
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("PictureScroller"));
    scroller->setWidget(m_picture);
    scroller->setWidgetResizable(true);
    scroller->setAlignment(Qt::AlignCenter);
    auto *actualSize = new QPushButton(QCoreApplication::translate("PictureViewer", "&Actual size"), this);
    actualSize->setObjectName(QStringLiteral("ActualSize"));
    actualSize->setCheckable(true);
    connect(actualSize, &QPushButton::toggled, this, [this, scroller](bool actual) {
        m_picture->setFit(actual ? DBImage::Fit::OwnSize : DBImage::Fit::ShrinkToFit);
        scroller->setWidgetResizable(!actual);
        if (actual)
            m_picture->resize(m_picture->sizeHint());
    });
    body()->setContentsMargins(0, 0, 0, 0);
    body()->addWidget(scroller, 1);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 4, 6, 4);
    buttons->addStretch(1);
    buttons->addWidget(actualSize);
    body()->addLayout(buttons);
    setModal(false);
    setSizeGripEnabled(true);
    resize(640, 520);
}
