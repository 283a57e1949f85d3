#include "rtas/views/CTextControlEditor.h"

#include "rtas/views/CControlView.h"
#include "rtas/views/CStaticTextView.h"

#include <string>

namespace rtas::views {

void CTextControlEditor::ConnectSubViews()
{
    fTextView = dynamic_cast<CStaticTextView*>(FindViewByID(0x74657874));  // 'text'
    if (fTextView != nullptr)
        fTextView->SetFrame(Frame());
    CTextEditEditor::ConnectSubViews();
}

void CTextControlEditor::DisconnectSubViews()
{
    CTextEditEditor::DisconnectSubViews();
    fTextView = nullptr;
}

void CTextControlEditor::UpdateFromControl()
{
    std::string text;
    if (CControlView* view = GetControlView())
        view->GetValueText(view->GetValue(), &text, 255);
    if (fTextView == nullptr || text == fTextView->GetText())
        return;
    fTextView->SetText(text);
    if (fEdit != nullptr) {
        TextEditSetText(fEdit, text.data(), int32_t(text.size()));
        TextEditSelectAll(fEdit);
        if (GetPort() != nullptr) {
            ScopedDrawing drawing(*this, nullptr);
            TextEditUpdate(fEdit, &Frame());
        }
    }
}

void CTextControlEditor::BeginEditing()
{
    if (fTextView == nullptr || fEdit != nullptr)
        return;
    int16_t font, size, face, mode;
    GetTextState(&font, &size, &face, &mode);
    SetTextFont(fTextView->GetTextFont());
    SetTextSize(fTextView->GetTextSize());
    SetTextFace(fTextView->GetTextFace());
    SetTextMode(2);
    Rect r = fTextView->Frame();
    fTextView->AdjustTextRect(&r);
    Rect visible;
    GetVisibleRect(&visible);
    r = SectRects(r, visible);
    ::GetForeColour(&fSavedFore);
    ::GetBackColour(&fSavedBack);
    fEdit = NewTextEdit(&r);
    fTextView->SetHighlighted(true);
    const std::string& text = fTextView->GetText();
    TextEditSetText(fEdit, text.data(), int32_t(text.size()));
    TextEditSelectAll(fEdit);
    TextEditActivate(fEdit, 1);
    fChanged = false;
    Update(nullptr);
    SetTextFont(font);
    SetTextSize(size);
    SetTextFace(face);
    SetTextMode(mode);
}

void CTextControlEditor::EndEditing(bool accept)
{
    if (fEdit == nullptr)
        return;
    if (GetPort() != nullptr) {
        char typed[30];
        const int32_t length = TextEditGetText(fEdit, typed, int32_t(sizeof typed));
        CControlView* view = GetControlView();
        bool parsed = false;
        if (length > 0 && fChanged && accept && view != nullptr) {
            int32_t value = 0;
            const std::string text(typed, size_t(std::min<int32_t>(length, int32_t(sizeof typed))));
            if (view->ValueFromText(&value, text) == 0) {
                SetValue(value);
                parsed = true;
            }
        }
        if (!parsed)
            UpdateFromControl();
        SetForeColour(&fSavedFore);
        SetBackColour(&fSavedBack);
    }
    DisposeTextEdit(fEdit);
    fEdit = nullptr;
    fChanged = false;
    if (fTextView != nullptr)
        fTextView->SetHighlighted(false);
}

void CTextControlEditor::Draw(const Rect& rect)
{
    for (CPlugInView* child = GetFirstChild(); child != nullptr; child = child->GetNextSibling()) {
        const Rect part = SectRects(child->Frame(), rect);
        if (!IsEmptyRect(part))
            child->Draw(part);
    }
    DrawContent(rect);
}

void CTextControlEditor::DrawContent(const Rect& rect)
{
    if (fEdit != nullptr && IsActive())
        TextEditUpdate(fEdit, &rect);
}

}  // namespace rtas::views
