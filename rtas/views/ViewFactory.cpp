#include "rtas/views/ViewFactory.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/views/AllViews.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/ViewRegistry.h"

#include <memory>

namespace rtas::views {
namespace {

template <typename View>
CPlugInView* Make()
{
    return new View;
}

}  // namespace

void RegisterLibraryViewTypes()
{
    RegisterViewType("Background", &Make<CCustomView>);
    RegisterViewType("ItemList", &Make<CItemListView>);
    RegisterViewType("ProcessControl", &Make<CProcessControlView>);
    RegisterViewType("ScrollControl", &Make<CScrollControlView>);
    RegisterViewType("Slider", &Make<CSliderControlEditor>);
    RegisterViewType("Dial", &Make<CDialControlEditor>);
    RegisterViewType("TextEditor", &Make<CTextControlEditor>);
    RegisterViewType("RadioGroup", &Make<CRadioGroupControlEditor>);
    RegisterViewType("TextPopup", &Make<CTextPopupControlEditor>);
    RegisterViewType("Button", &Make<CButtonView>);
    RegisterViewType("CheckBox", &Make<CCheckBoxView>);
    RegisterViewType("RadioButton", &Make<CRadioButtonView>);
    RegisterViewType("StaticText", &Make<CStaticTextView>);
    RegisterViewType("Picture", &Make<CPictureView>);
    RegisterViewType("ViewPopup", &Make<CViewPopupControlEditor>);
}

CPlugInView* CreateViewFromDescription(const ItemRecord& item, bool* ok)
{
    *ok = false;
    DescriptionParser parser(item);
    if (!parser.Parse())
        return nullptr;
    std::unique_ptr<CPlugInView> view;
    try {
        ViewCreator creator = parser.Creator();
        view.reset(creator != nullptr ? creator() : nullptr);
        auto* custom = dynamic_cast<CCustomView*>(view.get());
        if (custom == nullptr)
            throw CDAEError(-7053);
        custom->SetEnabled(ItemIsEnabled(item));
        custom->SetFrame(item.rect);
        custom->AttachItemRecord(&item);
        custom->ReadDescription(parser);
    } catch (...) {
        return nullptr;
    }
    *ok = true;
    return view.release();
}

}  // namespace rtas::views
