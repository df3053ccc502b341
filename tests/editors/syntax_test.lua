-- Opens the fixture knowledge files with the Orvia filetype plug-in and checks
-- the syntax group at each place that highlight.expect names.
-- Run: nvim --headless --clean -u NONE -S tests/editors/syntax_test.lua
local here = vim.fn.fnamemodify(debug.getinfo(1, 'S').source:sub(2), ':p:h')
local root = vim.fn.fnamemodify(here, ':h:h')
vim.opt.runtimepath:prepend(root .. '/editors/vim')
-- Detection is on before this script runs; turned on again it reads our ftdetect.
vim.cmd('filetype off')
vim.cmd('filetype on')
vim.cmd('syntax on')

local failures = {}
local count = 0
local function fail(msg) table.insert(failures, msg) end

local function open(path)
  -- Editing the current file again would reload it and stale the syntax cache.
  if vim.fn.expand('%:p') ~= vim.fn.fnamemodify(path, ':p') then
    vim.cmd('silent edit ' .. vim.fn.fnameescape(path))
  end
  return vim.bo.filetype
end

-- A Lua error must end the run too, not leave Neovim waiting.
local ran, err = pcall(function()
  local fixture = here .. '/fixture'
  for _, name in ipairs({ 'keywords.txt', 'answers.txt', 'reflections.txt' }) do
    local ft = open(fixture .. '/data/' .. name)
    if ft ~= 'orvia' then fail(name .. ': filetype "' .. ft .. '", expected "orvia"') end
  end
  -- A data/ folder without a main index is not a knowledge base.
  local ft = open(fixture .. '/notes/data/notes.txt')
  if ft == 'orvia' then fail('notes/data/notes.txt: taken as a knowledge file') end

  for line in io.lines(here .. '/highlight.expect') do
    local file, lnum, col, want = line:match('^(%S+) (%d+) (%d+) (%S+)$')
    if file then
      count = count + 1
      open(fixture .. '/data/' .. file)
      local got = vim.fn.synIDattr(vim.fn.synID(tonumber(lnum), tonumber(col), 1), 'name')
      if got == '' then got = '-' end
      if got ~= want then
        fail(string.format('%s:%s:%s: %s, expected %s (%q)', file, lnum, col, got, want,
          vim.fn.getline(tonumber(lnum))))
      end
    end
  end

  -- The shipped bases check clean, so nothing in them may show as an error.
  local shipped = vim.fn.glob(root .. '/data/*.txt', false, true)
  vim.list_extend(shipped, vim.fn.glob(root .. '/examples/*/data/*.txt', false, true))
  for _, path in ipairs(shipped) do
    count = count + 1
    local name = vim.fn.fnamemodify(path, ':~:.')
    if open(path) ~= 'orvia' then fail(name .. ': not taken as a knowledge file') end
    for lnum = 1, vim.fn.line('$') do
      local text = vim.fn.getline(lnum)
      for col = 1, #text do
        local id = vim.fn.synIDtrans(vim.fn.synID(lnum, col, 1))
        if vim.fn.synIDattr(id, 'name') == 'Error' then
          fail(string.format('%s:%d:%d: shown as an error (%q)', name, lnum, col, text))
          break
        end
      end
    end
  end

  if count == 0 then fail('no expectation read from highlight.expect') end
end)
if not ran then table.insert(failures, 'error: ' .. tostring(err)) end

for _, msg in ipairs(failures) do io.stdout:write('FAIL: ' .. msg .. '\n') end
io.stdout:write(string.format('%d passed, %d failed\n', count + 4 - #failures, #failures))
vim.cmd(#failures == 0 and 'qall!' or 'cquit 1')
