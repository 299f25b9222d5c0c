#include "editor/PluginEditor.h"

#include "core/ParameterTable.h"
#include "core/PluginProcessor.h"
#include "editor/Fonts.h"
#include "editor/Palette.h"

#include <cmath>

namespace
{
// A switch counts as on from half-way up.
bool isOn (const ParameterManager& manager, const char* id)
{
    return manager.getRawValue (id) >= 0.5f;
}

void showEnabled (juce::Component& component, bool enabled)
{
    component.setEnabled (enabled);
    component.setAlpha (enabled ? 1.0f : Palette::dimmedAlpha);
}

bool differs (float shown, float live) noexcept
{
    return shown != live || std::isnan (shown) || std::isnan (live);
}

void showValue (ParameterComponentDiscrete& control, float live)
{
    if (differs (control.currentValue, live))
    {
        control.currentValue = live;
        control.repaint();
    }
}

void showValue (ParameterComponentContinuous& control, float live)
{
    if (differs (control.shownValue, live))
    {
        control.shownValue = live;
        control.repaint();
    }
}
} // namespace

TemplateEffectAudioProcessorEditor::TemplateEffectAudioProcessorEditor (TemplateEffectAudioProcessor& p,
                                                                        EditorServices services)
    : AudioProcessorEditor (p)
    , processor (p)
    , displayFont (EditorFonts::createDisplayFont())
    , productNameFont (EditorFonts::createProductNameFont())
    , companyLogo (displayFont)
    , buyLink (displayFont)
    , pluginNameButton (p.getParameterManager(), ParameterIds::power, productNameFont)
    , presetManager (p.getParameterManager(), services.presetFolder)
    , presetActions (presetManager, presetLabel)
    , transientsControl (&p.getParameterManager(), ParameterIds::transients, {})
    , multibandControl (&p.getParameterManager(), ParameterIds::multiband, {})
    , parallelControl (&p.getParameterManager(), ParameterIds::parallel, {})
    , transientsPowerButton (p.getParameterManager(), ParameterIds::transientsPower)
    , multibandPowerButton (p.getParameterManager(), ParameterIds::multibandPower)
    , parallelPowerButton (p.getParameterManager(), ParameterIds::parallelPower)
    , gainControl (&p.getParameterManager(), ParameterIds::gain, {})
    , peakMeter (&p.getMeterSource())
{
    background.setWantsKeyboardFocus (true);
    setWantsKeyboardFocus (true);

    configureChildren (services);

    setSize (editorWidth, editorHeight);

    // The first frame already shows the true state, before the timer's first tick.
    updateGuiFromProcessor();
    startTimer (refreshIntervalMs);
}

TemplateEffectAudioProcessorEditor::~TemplateEffectAudioProcessorEditor()
{
    // The displays belong to the processor and outlive this window.
    removeChildComponent (outputDisplay);
    removeChildComponent (inputDisplay);
}

void TemplateEffectAudioProcessorEditor::configureChildren (const EditorServices& services)
{
    background.bracketColour = Palette::caption;
    background.titleColour = Palette::caption;
    background.centreLineColour = Palette::grey;
    addAndMakeVisible (background);

    pluginNameButton.text = "DRAVLEN 2";
    pluginNameButton.textColour = Palette::accent;
    addAndMakeVisible (pluginNameButton);

    presetLabel.text = "Default";
    addAndMakeVisible (presetLabel);

    if (services.launchFileDialog != nullptr)
        presetActions.launchFileDialog = services.launchFileDialog;

    if (services.confirmReplace != nullptr)
        presetActions.confirmReplace = services.confirmReplace;

    if (services.showError != nullptr)
        presetManager.showError = services.showError;

    wirePresetButtons();

    for (auto* knob : { &transientsControl, &multibandControl, &parallelControl })
    {
        configureKnob (*knob, {}, { "0", "25", "50", "75", "100" }, 0);
        addAndMakeVisible (*knob);
    }

    for (auto* button : { &transientsPowerButton, &multibandPowerButton, &parallelPowerButton })
    {
        button->onColour = Palette::accent;
        button->offColour = Palette::grey;
        addAndMakeVisible (*button);
    }

    configureKnob (gainControl, "GAIN", { "-48", "-24", "0", "24", "48" }, 1);
    addAndMakeVisible (gainControl);

    peakMeter.textColour = Palette::grey;
    peakMeter.captionColour = Palette::caption;
    peakMeter.clipColour = Palette::clip;
    addAndMakeVisible (peakMeter);

    inputDisplay = &processor.getInputVisualiser();
    addAndMakeVisible (inputDisplay);
    outputDisplay = &processor.getOutputVisualiser();
    addAndMakeVisible (outputDisplay);

    buyLink.colour = Palette::accent;
    buyLink.openPage = services.openPage;
    addAndMakeVisible (buyLink);

    companyLogo.colour = Palette::grey;
    companyLogo.openPage = services.openPage;
    addAndMakeVisible (companyLogo);
}

void TemplateEffectAudioProcessorEditor::configureKnob (ZLMRotaryControl& knob, const juce::String& caption,
                                                        std::array<juce::String, 5> scaleLabels, int bipolar)
{
    knob.caption = caption;
    knob.scaleLabels = std::move (scaleLabels);
    knob.bipolar = bipolar;
    knob.accentColour = Palette::accent;
    knob.trackColour = Palette::grey;
    knob.bodyColour = Palette::knobBody;
    knob.captionColour = Palette::caption;
    knob.valueTextColour = Palette::caption;
    knob.scaleColour = Palette::caption;
}

void TemplateEffectAudioProcessorEditor::wirePresetButtons()
{
    const std::array<std::function<void()>, 4> actions{ [this] { presetActions.previousPreset(); },
                                                        [this] { presetActions.nextPreset(); },
                                                        [this] { presetActions.loadPreset(); },
                                                        [this] { presetActions.savePreset(); } };

    for (size_t i = 0; i < presetButtons.size(); ++i)
    {
        presetButtons[i].kind = static_cast<int> (i);
        presetButtons[i].colour = Palette::accent;
        presetButtons[i].onClick = actions[i];
        addAndMakeVisible (presetButtons[i]);
    }
}

void TemplateEffectAudioProcessorEditor::paint (juce::Graphics& g)
{
    // Never seen: the background covers the whole window.
    g.fillAll (juce::Colours::white);
}

void TemplateEffectAudioProcessorEditor::resized()
{
    background.setBounds (getLocalBounds());
    pluginNameButton.setBounds (10, 0, 167, 37);
    companyLogo.setBounds (13, 40, 100, 30);
    buyLink.setBounds (420, 40, 100, 30);

    presetButtons[ZLMPresetButton::previous].setBounds (313, 11, 8, 15);
    presetButtons[ZLMPresetButton::next].setBounds (564, 11, 8, 15);
    presetButtons[ZLMPresetButton::load].setBounds (532, 12, 18, 15);
    presetButtons[ZLMPresetButton::save].setBounds (590, 10, 16, 16);
    presetLabel.setBounds (329, 10, 227, 17);

    // The amount knobs reach 5 pixels below the window; that part is clipped.
    const std::array<std::pair<ZLMRotaryControl*, int>, 3> amountKnobs{
        { { &transientsControl, 12 }, { &multibandControl, 174 }, { &parallelControl, 335 } }
    };

    for (const auto& [knob, x] : amountKnobs)
    {
        knob->setBounds (x, 240, 150, 160);
        knob->style = 1;
        knob->bottomInset = 10;
        knob->valueField.setBounds (50, 94, 50, 18);
    }

    transientsPowerButton.setBounds (19, 218, 20, 20);
    multibandPowerButton.setBounds (177, 218, 20, 20);
    parallelPowerButton.setBounds (342, 218, 20, 20);

    gainControl.setBounds (501, 279, 115, 115);
    gainControl.style = 0;
    gainControl.bottomInset = 0;
    gainControl.valueField.setBounds (38, 76, 40, 14);

    outputDisplay->setBounds (12, 50, 487, 153);
    inputDisplay->setBounds (12, 50, 487, 153);
    peakMeter.setBounds (518, 45, 80, 230);
}

void TemplateEffectAudioProcessorEditor::timerCallback()
{
    updateGuiFromProcessor();
}

void TemplateEffectAudioProcessorEditor::updateGuiFromProcessor()
{
    const auto& manager = processor.getParameterManager();
    const auto master = isOn (manager, ParameterIds::power);
    const auto transients = master && isOn (manager, ParameterIds::transientsPower);
    const auto multiband = master && isOn (manager, ParameterIds::multibandPower);
    const auto parallel = master && isOn (manager, ParameterIds::parallelPower);

    background.mainPowerOn = master;

    for (const auto& [knob, on] :
         std::initializer_list<std::pair<ZLMRotaryControl*, bool>>{ { &transientsControl, transients },
                                                                    { &multibandControl, multiband },
                                                                    { &parallelControl, parallel },
                                                                    { &gainControl, master } })
    {
        showEnabled (*knob, on);
        knob->valueField.setEnabled (on);
    }

    background.transientsOn = transients;
    background.multibandOn = multiband;
    background.parallelOn = parallel;
    background.repaint();

    // The name button is never disabled: it is how the master power is switched back on.
    for (auto* component : std::initializer_list<juce::Component*>{ outputDisplay, inputDisplay, &transientsPowerButton,
                                                                    &multibandPowerButton, &parallelPowerButton })
        showEnabled (*component, master);

    for (auto* button : std::initializer_list<ParameterComponentDiscrete*>{
             &pluginNameButton, &transientsPowerButton, &multibandPowerButton, &parallelPowerButton })
        showValue (*button, manager.getRawValue (button->getParameterId()));

    for (auto* knob : std::initializer_list<ParameterComponentContinuous*>{ &transientsControl, &multibandControl,
                                                                            &parallelControl, &gainControl })
        showValue (*knob, manager.getRawValue (knob->getParameterId()));
}
