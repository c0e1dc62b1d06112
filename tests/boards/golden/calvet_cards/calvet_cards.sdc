#**************************************************************
# This .sdc file is created by Quelmar Tool.
# Users are recommended to modify this file to match users logic.
#**************************************************************

#**************************************************************
# Create Clock
#**************************************************************
create_clock -period "50.000000 MHz" [get_ports OSC_50_B3B]
create_clock -period "50.000000 MHz" [get_ports OSC_50_B4A]
create_clock -period "50.000000 MHz" [get_ports OSC_50_B4D]
create_clock -period "50.000000 MHz" [get_ports OSC_50_B7A]
create_clock -period "50.000000 MHz" [get_ports OSC_50_B7D]
create_clock -period "50.000000 MHz" [get_ports OSC_50_B8A]
create_clock -period "50.000000 MHz" [get_ports OSC_50_B8D]
create_clock -period "644.531250 MHz" [get_ports FMCB_ONBOARD_REFCLK_p[0]]
create_clock -period "644.531250 MHz" [get_ports FMCC_ONBOARD_REFCLK_p[0]]
create_clock -period "133.333328 MHz" [get_ports DDR3_REFCLK_p]
create_clock -period "125.000000 MHz" [get_ports FMCA_ONBOARD_REFCLK_p[0]]
create_clock -period "644.531250 MHz" [get_ports FMCA_ONBOARD_REFCLK_p[1]]
create_clock -period "125.000000 MHz" [get_ports FMCD_ONBOARD_REFCLK_p[0]]
create_clock -period "644.531250 MHz" [get_ports FMCD_ONBOARD_REFCLK_p[1]]
create_clock -period "150.000000 MHz" [get_ports SATA_DEVICE_REFCLK_p]
create_clock -period "150.000000 MHz" [get_ports SATA_HOST_REFCLK_p]

#**************************************************************
# Create Generated Clock
#**************************************************************
derive_pll_clocks



#**************************************************************
# Set Clock Latency
#**************************************************************



#**************************************************************
# Set Clock Uncertainty
#**************************************************************
derive_clock_uncertainty



#**************************************************************
# Set Input Delay
#**************************************************************



#**************************************************************
# Set Output Delay
#**************************************************************



#**************************************************************
# Set Clock Groups
#**************************************************************



#**************************************************************
# Set False Path
#**************************************************************



#**************************************************************
# Set Multicycle Path
#**************************************************************



#**************************************************************
# Set Maximum Delay
#**************************************************************



#**************************************************************
# Set Minimum Delay
#**************************************************************



#**************************************************************
# Set Input Transition
#**************************************************************



#**************************************************************
# Set Load
#**************************************************************



