#pragma once
// A canvas target for the drawing tests: it records what a canvas draws, in design units (scale 1).

#include "platform/canvas.h"

#include <QVector>

class Aufnahme final : public CanvasTarget {
public:
    explicit Aufnahme(QVector<DrawOp>& ops)
        : m_ops(ops)
    {
    }
    void draw(const DrawOp& op) override { m_ops.append(op); }
    double pixelsPerUnit(MapMode) const override { return 1.0; }

private:
    QVector<DrawOp>& m_ops;
};
