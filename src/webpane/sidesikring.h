#pragma once
// What both browser panes do to keep a page to itself (see information/lokalside.h): local
// pages come through our own scheme from the folder they were given, never as file:// pages,
// and no page can open a WebRTC connection, the one way out the request guards never see.

#include "information/lokalside.h"

#include <QWebEngineUrlSchemeHandler>

#include <memory>

class QWebEngineProfile;

namespace webpane {

// Serves the files of the folders in roedder to the pages of one profile.
class SideHandler : public QWebEngineUrlSchemeHandler {
public:
    SideHandler(std::shared_ptr<information::SideRoedder> roedder, QObject *parent)
        : QWebEngineUrlSchemeHandler(parent), m_roedder(std::move(roedder)) {}
    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    std::shared_ptr<information::SideRoedder> m_roedder;
};

// Before the first page of the run: makes our scheme known to the engine and keeps WebRTC
// off UDP. Safe to call again.
void forberedMotor();

// Sets profile up for local pages: our scheme served from roedder, no file:// reading, and
// the WebRTC constructors taken from every frame of every page.
void sikrProfil(QWebEngineProfile *profil, std::shared_ptr<information::SideRoedder> roedder);

} // namespace webpane
