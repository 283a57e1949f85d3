#include "rtas/framework/S_RTASP_CustomDataAdmin.h"

S_RTASP_CustomDataAdmin::S_RTASP_CustomDataAdmin() { EndDeclarations(); }

void S_RTASP_CustomDataAdmin::SetFields(const SAdaptorBlockView& fields)
{
    WritePointer(fProcess.offset, HostWord(fields.process));
    WritePointer(fInputSlots.offset, HostWord(fields.inputSlots));
    WritePointer(fOutputSlots.offset, HostWord(fields.outputSlots));
    WriteInt32(fInputCount.offset, fields.inputCount);
    WriteInt32(fOutputCount.offset, fields.outputCount);
    WriteInt32(fKeyInput.offset, fields.keyInput);
    WriteInt32(fVariableQuantum.offset, fields.variableQuantum);
}

SAdaptorBlockView S_RTASP_CustomDataAdmin::GetFields()
{
    SAdaptorBlockView fields{};
    fields.process = reinterpret_cast<CProcess*>(ReadPointerField(fProcess.offset));
    fields.inputSlots = reinterpret_cast<rtas::SConnectionRecord**>(ReadPointerField(fInputSlots.offset));
    fields.outputSlots = reinterpret_cast<rtas::SConnectionRecord**>(ReadPointerField(fOutputSlots.offset));
    fields.inputCount = ReadInt32(fInputCount.offset);
    fields.outputCount = ReadInt32(fOutputCount.offset);
    fields.keyInput = ReadInt32(fKeyInput.offset);
    fields.variableQuantum = ReadInt32(fVariableQuantum.offset);
    return fields;
}
