#pragma once

#include "host/Point.h"
#include "host/RealRect.h"
#include "host/Rect.h"
#include "host/UniString.h"

namespace host {
class DrawContext;
}

class CvUserItemBase;

// A drawn element of a CvUserItemBase: a rectangle in the owner's local coordinates, a visibility
// flag, a hover text and click actions. The owner draws, hit-tests and clicks it; an invisible
// element is neither drawn nor hit.
class CvItemBase {
public:
    explicit CvItemBase(CvUserItemBase* owner = nullptr, const host::Rect& rect = host::Rect());
    CvItemBase(const CvItemBase&) = delete;
    CvItemBase& operator=(const CvItemBase&) = delete;

    virtual ~CvItemBase();
    virtual bool IsVisible() const;
    virtual host::Rect GetRect() const;
    virtual void SetRect(const host::Rect& newRect);
    // The text of the hover label shown while the mouse rests on the element at `point`.
    virtual host::UniString GetHoverText(host::Point point) const;
    virtual void Draw(host::DrawContext& context);
    virtual void Click();
    virtual void DoubleClick();
    // Whether readers of the dialog should see the element as selected.
    virtual bool IsSelected() const;

    void SetVisible(bool value) { visible = value; }

protected:
    CvUserItemBase* owner;
    bool visible = true;
    host::Rect rect;
    host::UniString hoverText;
};

// A toolkit rectangle as the drawing library's, normalised.
inline host::RealRect ToRealRect(const host::Rect& rect) {
    return host::RealRect(rect.GetLeft(), rect.GetTop(), rect.GetRight(), rect.GetBottom());
}
