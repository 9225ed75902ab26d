#include "shell/StileProgramma.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The extension buttons of menu bars and toolbars show exactly the pictures the style itself would,
// at every size it offers and in both directions; a style with pictures of its own is not wrapped.
TEST(StileProgramma, LeFrecceDiEstensioneSonoQuelleDelloStile) {
    for (const char* nome : {"fusion", "windows"}) {
        SCOPED_TRACE(nome);
        std::unique_ptr<QStyle> proprio(QStyleFactory::create(QString::fromLatin1(nome)));
        std::unique_ptr<QStyle> avvolto(creaStileProgramma(QString::fromLatin1(nome)));
        ASSERT_TRUE(proprio);
        ASSERT_TRUE(avvolto);
        for (Qt::LayoutDirection verso : {Qt::LeftToRight, Qt::RightToLeft}) {
            QStyleOption opzione;
            opzione.direction = verso;
            for (QStyle::StandardPixmap quale :
                 {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
                SCOPED_TRACE(static_cast<int>(quale) * 10 + static_cast<int>(verso));
                const QIcon atteso = proprio->standardIcon(quale, &opzione);
                const QIcon avuto = avvolto->standardIcon(quale, &opzione);
                ASSERT_FALSE(atteso.availableSizes().isEmpty());
                EXPECT_EQ(avuto.availableSizes(), atteso.availableSizes());
                for (const QSize lato : atteso.availableSizes())
                    EXPECT_EQ(avuto.pixmap(lato).toImage(), atteso.pixmap(lato).toImage()) << lato.width();
            }
        }
        // Everything else is the style's own.
        EXPECT_EQ(avvolto->standardIcon(QStyle::SP_DialogOkButton).pixmap(16).toImage(),
                  proprio->standardIcon(QStyle::SP_DialogOkButton).pixmap(16).toImage());
        EXPECT_EQ(avvolto->standardPalette(), proprio->standardPalette());
    }
    EXPECT_EQ(creaStileProgramma(QStringLiteral("nessuno-stile")), nullptr);
}

} // namespace
