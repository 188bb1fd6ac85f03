#include "framework/controls/KyItemBase.h"

void KyItemBase::AttachList(IList* owner)
{
    list = owner;
}

int KyItemBase::GetHeight() const
{
    return 0;
}

void KyItemBase::SetSelected(bool isSelected)
{
    selected = isSelected;
}

bool KyItemBase::IsSelected() const
{
    return selected;
}

void KyItemBase::OnTimer(int32_t)
{
}

void KyItemBase::OnClick(POINT, const RECT&, const RECT&)
{
}

void KyItemBase::OnDoubleClick(POINT, const RECT&, const RECT&)
{
}
