#pragma once

// The places where a test takes the part of the user, of another subsystem or of the computer,
// so that nothing modal waits for a person and nothing reaches the developer's own files.
//
// Messages        Every message box goes through mostraMessaggio (base/Messaggi.h). ArchivioDiProva
//                 installs MessaggiRegistrati (comune/MessaggiRegistrati.h): it records the exact
//                 text and answers with what the test scripted with rispondi(); RegistratoreInstallato
//                 does the same for a test without a register.
// Modal windows   usaModale<T> (comune/Modale.h) opens a window as the user does and acts on it
//                 once it is up; SequenzaModali (tests/selection) chains several. Printing and file
//                 dialogs sit behind ServizioDialoghi (printing/DialoghiStampa.h,
//                 installaServizioDialoghi), answered by DialoghiFinti (tests/printing).
// Commands        attiva(finestra, "nome") (comune/Azioni.h) triggers a menu item or a toolbar
//                 button by its object name. What follows a click is awaited with
//                 QTest::qWaitFor(condition) under a gtest assertion, never a fixed wait (QTRY_VERIFY
//                 reports to the QtTest runner, which these tests do not use).
// Other windows   The main window's commands open the windows registered in finestre()
//                 (shell/Finestre.h): a test saves the register, puts stand-ins in it and puts it
//                 back. elencoFinestre() lists every window for the checks that walk them all.
// Function members  std::function members that a test replaces for one case, put back by
//                 Sostituisci below: frmAbout::apriInformazioniSistema and apriCollegamento,
//                 SliderEffect::posizioneY. Setters that install a stand-in until the next call:
//                 impostaConfermaRisoluzione (shell/ModuloBase.h), impostaFileGuida
//                 (shell/FinestraGuida.h), installaSchermo (shell/MonitorResolution.h),
//                 ConnessioneServer::impostaDopoInvioCommit and impostaPrimaInvioCommit.
// Clock, folder   impostaOrologio (base/Orologio.h) or VIBRANA_OGGI fixes "today"; VIBRANA_CARTELLA
//                 (set by ArchivioDiProva) gives a temporary program folder; VIBRANA_PROVA_MOTORE
//                 and VIBRANA_PROVA_SERVER put the register on the test server.

#include <utility>

// Replaces `variabile` with `valore` until the end of the scope, then restores it, also when an
// assertion leaves the test early.
template <class T> class Sostituisci {
public:
    template <class V>
    Sostituisci(T& variabile, V&& valore) : variabile_(variabile), originale_(std::move(variabile)) {
        variabile_ = std::forward<V>(valore);
    }
    ~Sostituisci() { variabile_ = std::move(originale_); }
    Sostituisci(const Sostituisci&) = delete;
    Sostituisci& operator=(const Sostituisci&) = delete;

private:
    T& variabile_;
    T originale_;
};
