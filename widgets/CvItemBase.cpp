#include "widgets/CvItemBase.h"

CvItemBase::CvItemBase(CvUserItemBase* owner, const host::Rect& rect) : owner(owner), rect(rect) {}

CvItemBase::~CvItemBase() = default;

bool CvItemBase::IsVisible() const {
    return visible;
}

host::Rect CvItemBase::GetRect() const {
    return rect;
}

void CvItemBase::SetRect(const host::Rect& newRect) {
    rect = newRect;
}

host::UniString CvItemBase::GetHoverText(host::Point /*point*/) const {
    return hoverText;
}

void CvItemBase::Draw(host::DrawContext& /*context*/) {}

void CvItemBase::Click() {}

void CvItemBase::DoubleClick() {}

bool CvItemBase::IsSelected() const {
    return false;
}
