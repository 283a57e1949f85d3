// Every view class of the library, for code that makes views by name.
#pragma once

#include "rtas/views/CControlView.h"
#include "rtas/views/CCustomView.h"
#include "rtas/views/CDialControlEditor.h"
#include "rtas/views/CDialogView.h"
#include "rtas/views/CIconView.h"
#include "rtas/views/CItemListView.h"
#include "rtas/views/CMacControlView.h"
#include "rtas/views/CPictureView.h"
#include "rtas/views/CProcessControlView.h"
#include "rtas/views/CRadioGroupControlEditor.h"
#include "rtas/views/CScrollControlView.h"
#include "rtas/views/CSliderControlEditor.h"
#include "rtas/views/CStaticTextView.h"
#include "rtas/views/CTextControlEditor.h"
#include "rtas/views/CTextPopupControlEditor.h"
#include "rtas/views/CViewPopupControlEditor.h"
