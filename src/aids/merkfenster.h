#pragma once
// The written multiplications (SV2, SV3): the frame of the written methods with a "Gemerkte?" button that
// shows the carry, or the remainder, of the step under the pointer for a moment.

#include "aids/schriftrahmen.h"

class Merkfenster : public Schriftfenster {
    Q_OBJECT
public:
    explicit Merkfenster(QWidget* parent = nullptr);

    Button* merkebutton = nullptr; // "&Gemerkte?"

    void merkebuttonClick();

protected:
    // What "Gemerkte?" shows at the step under the pointer; empty where it keeps its caption.
    virtual QString merkeText() const = 0;

    void anordnen(const DesignGrid& raster) override;
    // Each task starts with the button off and its own caption.
    void aufgabeVorbereiten() override;
    void nachDemLoesen() override;
};
