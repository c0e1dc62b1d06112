// Shared checks of the Si5340 benches: `chip` is the si5340_model, `bus`
// the i2c_bus_checker, `done` and `id_error` the controller's flags.
integer failures = 0;

task automatic check(input bit ok, input string what);
    if (!ok) begin
        failures++;
        $display("FAIL %s", what);
    end
endtask

// Waits for the end of a run (done or error, or a time-out).
task automatic wait_run(input string what);
    realtime limit;
    limit = $realtime + (SHORT ? 5.0e6 : 600.0e6);
    while (done !== 1'b1 && id_error !== 1'b1 && $realtime < limit) @(posedge clk);
    check(done === 1'b1 || id_error === 1'b1, {what, ": run ends"});
endtask

// Output k of the chip against an expected frequency (0 off, -1 left).
task automatic check_out(input int k, input real want, input real prior, input string what);
    real got;
    got = chip.fout_hz[k];
    if (want < 0)
        check(got == prior, $sformatf("%s OUT%0d left as it was", what, k));
    else if (want == 0)
        check(got == 0.0, $sformatf("%s OUT%0d off", what, k));
    else
        check(got > want * (1 - 1e-6) && got < want * (1 + 1e-6),
              $sformatf("%s OUT%0d %f MHz, want %f", what, k, got / 1e6, want / 1e6));
endtask

task automatic finish_bench(input string name);
    check(chip.errors == 0, "chip model errors");
    check(bus.errors == 0, "bus checker errors");
    check(bus.starts == bus.stops, "every START has its STOP");
    if (failures == 0)
        $display("PASS %s", name);
    else
        $display("FAILED %s: %0d", name, failures);
    $finish;
endtask
