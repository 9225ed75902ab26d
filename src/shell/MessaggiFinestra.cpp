#include "shell/MessaggiFinestra.h"

#include <QMessageBox>
#include <QPushButton>

Risposta MessaggiFinestra::mostra(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti,
                                  const QString& titolo) {
    return mostra(testo, tipo, pulsanti, titolo, primaRisposta(pulsanti));
}

Risposta MessaggiFinestra::mostra(const QString& testo, TipoMessaggio tipo, Pulsanti pulsanti,
                                  const QString& titolo, Risposta predefinita) {
    QMessageBox box;
    box.setWindowTitle(titolo);
    // Texts written with carriage return and line feed show one line break each.
    box.setText(QString(testo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (tipo) {
    case TipoMessaggio::Informazione:
        box.setIcon(QMessageBox::Information);
        break;
    case TipoMessaggio::Avviso:
        box.setIcon(QMessageBox::Warning);
        break;
    case TipoMessaggio::Errore:
        box.setIcon(QMessageBox::Critical);
        break;
    case TipoMessaggio::Domanda:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (pulsanti) {
    case Pulsanti::OK:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Pulsanti::SiNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Pulsanti::SiNoAnnulla:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Pulsanti::OKAnnulla:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    const QMessageBox::StandardButton invio = [predefinita] {
        switch (predefinita) {
        case Risposta::Si:
            return QMessageBox::Yes;
        case Risposta::No:
            return QMessageBox::No;
        case Risposta::Annulla:
            return QMessageBox::Cancel;
        default:
            return QMessageBox::Ok;
        }
    }();
    if (box.button(invio))
        box.setDefaultButton(invio);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Risposta::Si;
    case QMessageBox::No:
        return Risposta::No;
    case QMessageBox::Cancel:
        return Risposta::Annulla;
    default:
        return pulsanti == Pulsanti::SiNo ? Risposta::No : Risposta::OK;
    }
}

Applicazione::Applicazione(int& argc, char** argv) : QApplication(argc, argv) {}

bool Applicazione::notify(QObject* destinatario, QEvent* evento) {
    try {
        return QApplication::notify(destinatario, evento);
    } catch (const std::exception& e) {
        mostraMessaggio(testoErrore(e), TipoMessaggio::Errore, Pulsanti::OK);
    } catch (...) {
        mostraMessaggio(QStringLiteral("Errore imprevisto."), TipoMessaggio::Errore, Pulsanti::OK);
    }
    return false;
}
