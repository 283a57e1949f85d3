// An effect instance: its controls (numbered from 1), the master bypass control, the chunk list with the
// controls-state chunk 'elck', and the page tables of its type. Host threads, under the group's context lock.
#pragma once

#include "rtas/framework/CPluginControl.h"
#include "rtas/framework/CAOSInfo.h"
#include "rtas/framework/CDSPProcess.h"
#include "rtas/framework/CProcessMeterSet.h"
#include "rtas/framework/ChunkDataParser.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CEffectProcess : public CDSPProcess
{
public:
    static constexpr uint32_t kControlsStateChunk = HostFourCC("elck");
    static constexpr int32_t kNoSideChain = -42;
    // The purpose code the name routine (44) asks a control's name with.
    static constexpr uint32_t kControlNamePurpose = HostFourCC("PcTL");

    CEffectProcess();
    ~CEffectProcess() override;

    // Set-up, before Initialize: the instance owns the controls it is given.
    void AddControl(CPluginControl* control);
    // Control number (1-based); CDAEError -7300 for a number outside the list.
    CPluginControl* GetControl(int32_t number) const;
    // The same, or null outside the list: the routines answer their fallbacks for such numbers.
    CPluginControl* FindControl(int32_t number) const;
    bool IsValidControl(int32_t number) const { return number >= 1 && number <= CountControls(); }
    int32_t CountControls() const { return int32_t(fControls.size()); }
    // Stores the number; true only when that control is a discrete one (a bypass is on or off).
    bool SetMasterBypassControl(int32_t number);
    void AddChunk(uint32_t chunkID, const char* name, int32_t size);

    // What an effect type hands the instance under routine 15; nothing to do in the library's instances.
    virtual int32_t HandleTypeRequest(HostWord argument) { return 0; }

    // Reads the stems from an effect type, runs the set-up hook, makes the meter arrays, then the library's part
    // (the root view).
    int32_t Initialize() override;
    int32_t GetNumInputs() const override { return fInputChannels; }
    int32_t GetNumOutputs() const override { return fOutputChannels; }
    int32_t GetInputStem() const { return fInputStem; }
    int32_t GetOutputStem() const { return fOutputStem; }

    // The output streams the instance reports beside its stems (none in this product: the list stays empty).
    CAOSInfoList& GetOutputStreams() { return fOutputStreams; }

    // ---- Connections the instance answers for itself ----
    int32_t CountOwnConnections(int32_t* count) override;
    int32_t GetOwnConnection(int32_t position, int32_t* connection) override;
    bool IsOwnConnection(int32_t connection) const;
    // The side-chain input's 0-based connection number: the key input of a type that answers gestalt 5 (its input
    // count plus 1, 1-based); -42 without one.
    virtual int32_t GetSideChainInput() const { return fKeyInput > 0 ? fKeyInput - 1 : kNoSideChain; }
    // The own connection list hears of it before the side-chain input's slot is set or cleared.
    virtual void SideChainConnectionChanged(int32_t connection, bool connected) { fSideChainConnected = connected; }
    bool IsSideChainConnected() const { return fSideChainConnected; }

    // ---- Controls ----
    int32_t GetNumControls(int32_t* count) override;
    int32_t GetControlAutomatable(int32_t control, int16_t* automatable) override;
    int32_t GetControlNumSteps(int32_t control, int32_t* steps) override;
    int32_t GetControlName(int32_t control, unsigned char* name) override;
    int32_t GetControlNameOfLength(int32_t control, int32_t maxLength, unsigned char* name) override;
    int32_t GetControlValue(int32_t control, int32_t* value) override;
    int32_t SetControlValue(int32_t control, int32_t value) override;
    int32_t NudgeControlValue(int32_t control, int32_t delta) override;
    int32_t UpdateControlValue(int32_t control, int32_t value) override;
    int32_t IncrementControlValue(int32_t control, int32_t delta) override;
    int32_t GetControlDefaultValue(int32_t control, int32_t* value) override;
    int32_t GetControlAttributeA(int32_t control, int32_t* answer) override;
    int32_t GetControlAttributeB(int32_t control, int32_t* answer) override;
    int32_t GetControlAttributeC(int32_t control, int32_t* answer) override;
    int32_t GetControlTextForSurface(int32_t control, int32_t value, int32_t maxLength, unsigned char* text) override;
    int32_t GetControlChangeCount(int32_t* count) override;
    int32_t Routine23(int32_t word) override;
    int32_t Routine24(int32_t word) override;
    // The text of a control's value, length-prefixed (empty for a number outside the list).
    void GetControlValueText(int32_t control, int32_t value, int32_t maxLength, unsigned char* text) const;
    // The control value for a length-prefixed text: 0 (and a value of 0) outside the list; a text the control
    // cannot read answers the code it raised.
    int32_t GetControlValueFromText(int32_t control, const unsigned char* text, int32_t* value) const;
    // Whether a typed character may stand in the control's text; false outside the list.
    bool IsValidControlCharacter(int32_t control, int32_t character) const;
    // The name of routine 44, answering 0.
    int32_t GetControlNameShort(int32_t control, unsigned char* name);
    // Nothing for a number outside the list.
    void SetControlDefaultValue(int32_t control, int32_t value);
    // A control's name that fits maxLength, for a purpose (the name routine asks with 'PcTL'); the library's
    // controls have one name for every purpose.
    virtual std::string GetControlNameForPurpose(int32_t control, uint32_t purpose, int32_t maxLength) const;
    int32_t GetFlaggedBypassControl(int32_t flags, int32_t* control) override;
    // Called with every stored value; the bridge passes it on to the effect.
    virtual void UpdateControlValueInAlgorithm(int32_t control) {}
    // The view bound to the control's ID redraws (nothing without views).
    virtual void RedrawControl(int32_t control);
    // The control's four-character ID; without a control, the ID of a view bound to that number ('NONE' and -7300
    // when neither exists).
    int32_t GetControlID(int32_t control, uint32_t* id);

    // ---- The root view and the controls' views ----
    // The dialog resource the instance's root view is built from (1 unless the instance sets another).
    int16_t GetDialogResourceID() const { return fDialogResourceID; }
    void SetDialogResourceID(int16_t id) { fDialogResourceID = id; }
    int32_t UpdateRect(const Rect* rect) override;
    int32_t HandleEvent(const EventRecord* event) override;
    // An event no view took goes to the instance's reply hook.
    int32_t HandleEventWithReply(const EventRecord* event, uint8_t* taken) override;
    int32_t GetViewRect(Rect* rect) override;
    // Places the root view's contents at the host's point (vertical in the high 16 bits).
    int32_t Routine48(int32_t point) override;
    int32_t Routine8() override;
    int32_t Routine9() override;
    int32_t GetFocusedControl(HostWord view, int32_t* control) override;
    // Binds every control's view to this instance and control with a port, unbinds them without one.
    int32_t SetViewPort(OpaqueGrafPtr port) override;
    int32_t GetControlHighlight(int32_t control, uint8_t* on, int32_t* colour) override;
    int32_t SetControlHighlightColour(int32_t control, int32_t on, int32_t colour) override;

    // ---- Data sharing: the instance's and its controls' names, listeners and tokens (only while the group's
    // sharing objects exist; without them every operation here does nothing) ----
    void Uninitialize() override;
    int32_t HandleIdleEvent() override;
    // Handles the tokens queued for the module's instances for up to two host ticks, then lets the host idle.
    virtual void Idle();
    int32_t GetInstanceNameID(int32_t* nameID) override;
    int32_t GetControlNameID(int32_t control, int32_t* nameID) override;
    // Tell control surfaces that a control is being touched and released (counted; the first touch and the last
    // release send their tokens).
    void TouchControl(int32_t control);
    void ReleaseControl(int32_t control);
    // A highlight request of a control surface for a control's view (nothing while the views are off).
    virtual void SetControlHighlight(int32_t control, bool on, int16_t first, int16_t second, int32_t colour);
    // Tokens Idle does not handle itself.
    virtual int32_t HandleSharingToken(const uint8_t* token) { return 0; }
    // The group's sharing base name ("Plug-Ins/Undefined BaseName" without an effect group).
    virtual std::string GetSharingBaseName() const;

    // ---- Bypass ----
    int32_t GetMasterBypassControl(int32_t* control) override;
    int32_t SetBypass(int32_t bypass) override;
    int32_t GetBypass(uint8_t* bypassed) override;

    // ---- Meters ----
    // Set-up, before Initialize: the instance's meter set owns the meter.
    void AddMeter(CProcessMeter* meter) { fMeterSet.AddMeter(meter); }
    int32_t GetNumMeters(int32_t* count) override;
    int32_t GetMeterValues(int32_t which, int32_t* value) override;
    int32_t GetMeterOrientation(int32_t meter, int32_t* orientation) override;
    int32_t CountMetersOfType(int32_t meterType, int32_t* count) override;
    int32_t FindMeterOfType(int32_t meterType, int32_t n, int32_t* position) override;
    int32_t GetClip(uint8_t* clip) override;
    int32_t ClearClip() override;

    // ---- Chunks ----
    int32_t GetChunkCount(int32_t* count) override;
    int32_t GetChunkID(int32_t position, uint32_t* chunkID) override;
    int32_t GetChunkName(uint32_t chunkID, unsigned char* name) override;
    int32_t GetChunkSize(uint32_t chunkID, int32_t* size) override;
    int32_t GetChunk(uint32_t chunkID, SFicPlugInChunk* chunk) override;
    int32_t SetChunk(uint32_t chunkID, const SFicPlugInChunk* chunk) override;
    int32_t CompareChunk(uint32_t chunkID, const SFicPlugInChunk* chunk, uint8_t* equal) override;

    // ---- Page tables ----
    int32_t GetPageTableEntryCount(uint32_t tableType, int32_t kind, int32_t* count) override;
    int32_t GetPageTableEntry(uint32_t tableType, int32_t kind, int32_t page, int32_t slot, int32_t* value) override;
    int32_t HasPageTable(uint32_t tableType, int32_t kind, uint8_t* has) override;

    // ---- The host's plug-in request record ----
    int32_t SetPlugInSpec(const SFicPlugInSpec* spec) override;
    int32_t GetPlugInSpec(SFicPlugInSpec* spec) override;

protected:
    // Answers an event no view took; false by default.
    virtual bool EventReplyHook(const EventRecord* event) { return false; }
    // Run by Initialize once the stems are known and before any view is built; the instance's own set-up.
    virtual void SetUpHook() {}
    std::vector<int32_t>& OwnConnections() { return fOwnConnections; }
    // The page-table data of the owning type for a resource type, and its size in bytes (null when none).
    virtual const uint8_t* GetPageTableData(uint32_t tableType, size_t* size);
    virtual bool CanSetWord23() const { return false; }
    virtual bool CanSetWord24() const { return false; }
    // The controls the controls-state chunk leaves out (by control ID).
    std::set<uint32_t>& ExcludedControlIDs() { return fExcluded; }

private:
    struct TaskValuePair
    {
        CEffectProcess* instance;
        int32_t control;
    };
    void ReserveInstanceName();
    void ReserveControlNames();
    void RegisterListeners();
    void FreeInstanceName();
    void FreeControlNames();
    void DeleteListeners();
    void AllocateSharingArrays();
    void FreeSharingArrays();
    bool IsSharing() const { return fSharingTask != 0 && !fControlNameIDs.empty(); }
    void SendControlToken(int32_t control, uint32_t type, uint32_t subtype, const int32_t* value, const int32_t* touch);
    void HandleToken(const uint8_t* token, HostWord taskValue);

    struct ChunkEntry
    {
        uint32_t id;
        std::string name;
        int32_t size;
    };
    void BuildControlsState();
    static std::string KeyOf(uint32_t id);

    std::vector<std::unique_ptr<CPluginControl>> fControls;
    int32_t fMasterBypass = 0;
    int32_t fChangeCounter = 0;
    int16_t fWord23 = 0;
    int16_t fWord24 = 0;
    std::vector<ChunkEntry> fChunks;
    bool fHasCustomChunks = false;
    std::set<uint32_t> fExcluded;
    int32_t fChunkControls = 0;
    ChunkDataParser fParser;
    int32_t fControlsStateSize = -1;
    SFicPlugInSpec fSpec{};
    CProcessMeterSet fMeterSet;
    std::vector<int32_t> fMeterValues;
    std::vector<uint8_t> fClips;
    bool fClipSeen = false;
    int32_t fInputStem = -1;
    int32_t fOutputStem = -1;
    int32_t fInputChannels = 0;
    int32_t fOutputChannels = 0;
    int32_t fTypeKind = 0;
    int32_t fKeyInput = 0;
    bool fSideChainConnected = false;
    std::vector<int32_t> fOwnConnections;
    CAOSInfoList fOutputStreams;
    int16_t fDialogResourceID = 1;
    HostWord fSharingTask = 0;
    int32_t fInstanceNameID = 0;
    int32_t fRootNameID = 0;
    // Indexed by control number (entry 0 unused), n + 2 entries while sharing.
    std::vector<int32_t> fControlNameIDs;
    std::vector<HostWord> fCurrentValueListeners;
    std::vector<HostWord> fGetValueListeners;
    std::vector<HostWord> fHighlightListeners;
    std::vector<int32_t> fTouchCounts;
    std::unique_ptr<TaskValuePair[]> fTaskValues;
};
