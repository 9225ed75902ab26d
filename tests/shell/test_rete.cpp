#include "base/Errore.h"
#include "comune/MessaggiRegistrati.h"
#include "shell/MessaggiFinestra.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

// An object whose event handler fails on demand.
class Fragile : public QObject {
public:
    int eventiGestiti = 0;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw Errore(5, QStringLiteral("Argomento non valido"), QStringLiteral("prova"));
        if (e->type() == QEvent::User + 1)
            throw std::runtime_error("guasto");
        if (e->type() == QEvent::User + 2) {
            ++eventiGestiti;
            return true;
        }
        return QObject::event(e);
    }
};

TEST(ReteDiSicurezza, UnErroreNelCicloDegliEventiVieneMostratoEIlProgrammaContinua) {
    RegistratoreInstallato registro;
    Fragile f;
    QCoreApplication::postEvent(&f, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&f, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::postEvent(&f, new QEvent(QEvent::Type(QEvent::User + 2)));
    bool timerEseguito = false;
    QTimer::singleShot(0, [&] { timerEseguito = true; });
    QTimer::singleShot(0, [] { throw Errore(13, QStringLiteral("Tipo non corrispondente")); });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(f.eventiGestiti, 1);
    EXPECT_TRUE(timerEseguito);
    EXPECT_EQ(registro->testi(),
              (QStringList{QStringLiteral("Errore 5: Argomento non valido"), QStringLiteral("Errore: guasto"),
                           QStringLiteral("Errore 13: Tipo non corrispondente")}));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Applicazione app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
