#pragma once
// The browser pane of the information window, behind a small interface: the engine (Qt
// WebEngine) lives in a module loaded on the pane's first use, so a start of the program
// that shows no page never loads it.

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace information {

class TWebRude {
public:
    virtual ~TWebRude() = default;
    virtual QWidget *widget() = 0;
    virtual void visAdresse(const QUrl &url) = 0;
    virtual QUrl adresse() const = 0;

    // Set by the owner.
    std::function<void(bool ok)> sideFaerdig;          // a page is completed (or failed)
    std::function<void(const QUrl &)> linkOver;        // the link under the mouse; empty when none
    std::function<QUrl()> nytVindueAdresse;            // where a new-window request goes; empty: the engine decides
    // The program's own pages lie under this folder: only their scripts may write to the
    // clipboard (the reference pages' "Kopier" buttons), never a page from elsewhere.
    QString egenMappe;
};

// The module's entry: makes a pane inside parent.
using LavWebRudeFunktion = TWebRude *(*)(QWidget *parent);
inline constexpr const char *LavWebRudeNavn = "tavlevirke_lavWebRude";

// Loads the module (once) and makes a pane; nullptr with a Danish reason when it cannot.
TWebRude *lavWebRude(QWidget *parent, QString *fejl = nullptr);

// A function of the module (loaded once), or nullptr with a Danish reason.
using WebFunktion = void (*)();
WebFunktion webFunktion(const char *navn, QString *fejl = nullptr);

// Whether the browser engine has been loaded in this run.
bool webMotorIndlaest();

} // namespace information
