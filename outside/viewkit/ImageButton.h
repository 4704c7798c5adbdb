#pragma once

#include "outside/viewkit/ButtonData.h"
#include "outside/viewkit/Canvas.h"

#include <QObject>
#include <QRect>

#include <memory>
#include <string>

// One clickable area of a TPreviewImage, with its own canvas to draw on. Its id holds the id of
// its picture in the high 16 bits and its running number (from 1) in the low 16 bits.
class TImageButton : public QObject {
    Q_OBJECT

public:
    TImageButton(int id, const TButtonData& data, QObject* parent);

    int GetId() const { return Id; }
    int GetIdentifier() const { return Data.Identifier; }
    QRect GetRect() const { return {Data.Left, Data.Top, Data.Width, Data.Height}; }
    const std::string& GetHint() const { return Data.Hint; }
    void SetHint(const std::string& hint) { Data.Hint = hint; }
    bool IsSelected() const { return Selected; }
    void SetSelected(bool selected) { Selected = selected; }
    bool Flag(TButtonData::TFlag flag) const { return Data.Flags[flag] != 0; }
    TCanvas* GetCanvas() { return &Canvas; }
    const TCanvas& GetCanvas() const { return Canvas; }

private:
    int Id;
    TButtonData Data;
    bool Selected;
    TCanvas Canvas;
};
