#pragma once

// A link set up for one headless run: the hidapi layer or a virtual panel, the ids to look for and the
// reply timeout, discovered once. Used by the command-line tools.

#include "device/panellink.h"

#include <QStringList>
#include <memory>

class TVirtualPanel;

struct TLinkOptions
{
    QString VendorText = QStringLiteral("20A0");
    QString ProductText = QStringLiteral("4122");
    QString VirtualPanelDir; // empty: the real HID devices
    int TimeoutMs = TPanelLink::kDefaultReplyTimeoutMs;
};

// Takes --vid HEX, --pid HEX, --virtual-panel DIR and --timeout S out of args and leaves the rest.
// Throws TError for a missing or bad value.
TLinkOptions TakeLinkOptions(QStringList& args);

class TLinkSession
{
  public:
    // Runs one discovery pass. Throws TError when no device matches or the match cannot be opened.
    explicit TLinkSession(const TLinkOptions& options);
    ~TLinkSession();

    TPanelLink& Link() { return *link_; }
    TVirtualPanel* VirtualPanel() const { return virtualPanel_; }

  private:
    std::unique_ptr<THIDLayer> layer_;
    std::unique_ptr<TPanelLink> link_;
    TVirtualPanel* virtualPanel_ = nullptr;
};
