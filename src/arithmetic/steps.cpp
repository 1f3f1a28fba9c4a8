// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/steps.h"

#include "arithmetic/syntax.h"

#include <algorithm>

namespace quintavia::arithmetic {

using namespace detail;

namespace {

// A chain whose lines together would pass this many characters is refused.
constexpr std::size_t kMaxChainCharacters = 4'000'000;

// Puts a number with `value` in the place of node `at`, keeping its column.
void setNumber(Tree& tree, int at, mpq_class&& value)
{
    Node& node = tree[at];
    node.kind = Node::Kind::Number;
    node.text = written(value, tree.notation);
    node.value = int(tree.values.size());
    node.first = -1;
    node.count = 0;
    tree.values.emplace_back().swap(value);
}

// Node `at` replaced by its value.
void compute(Tree& tree, int at)
{
    mpq_class value;
    evaluate(tree, at, value);
    setNumber(tree, at, std::move(value));
}

bool isIntegerNumber(const Tree& tree, int at)
{
    const Node& node = tree[at];
    return node.kind == Node::Kind::Number && NumberValue(tree, node).isInteger()
           && node.text.find(',') == std::string::npos;
}

// Replaces a node by one of its children; what the child links to stays where it is.
void promote(Tree& tree, int at, int child)
{
    Node kept = std::move(tree[child]);
    tree[at] = std::move(kept);
}

// Takes the chain's operand `i` (from 1) out, with the sign before it.
void eraseOperand(Tree& tree, Node& chain, int i)
{
    const auto begin = tree.operands.begin() + chain.first;
    std::move(begin + i + 1, begin + chain.count, begin + i);
    --chain.count;
}

// Removes what is no longer work: brackets holding one number, signs before a number, and a
// reduced fraction of two integers, which is a number as it stands.
void tidy(Tree& tree, int at)
{
    switch (tree[at].kind) {
    case Node::Kind::Number: return;
    case Node::Kind::Group:
    case Node::Kind::Sign:
    case Node::Kind::Power: tidy(tree, tree[at].first); break;
    case Node::Kind::Chain:
        for (int i = 0; i < tree[at].count; ++i)
            tidy(tree, tree.operand(tree[at], i).node);
        break;
    }
    Node& node = tree[at];
    switch (node.kind) {
    case Node::Kind::Group:
        if (tree[node.first].kind == Node::Kind::Number)
            promote(tree, at, node.first);
        break;
    case Node::Kind::Sign: {
        Node& child = tree[node.first];
        if (child.kind != Node::Kind::Number)
            break;
        if (node.symbol == U'-') {
            mpq_class& value = tree.bigValue(child);
            const bool plain = sgn(value) > 0 && child.text.front() != '-';
            mpq_neg(value.get_mpq_t(), value.get_mpq_t());
            child.text = plain ? '-' + child.text : written(value, tree.notation);
        }
        promote(tree, at, node.first);
        break;
    }
    case Node::Kind::Chain:
        if (node.level == Node::Fraction && node.count > 1 && isIntegerNumber(tree, tree.operand(node, 0).node)
            && isIntegerNumber(tree, tree.operand(node, 1).node)) {
            Node& topNode = tree[tree.operand(node, 0).node];
            const Node& bottomNode = tree[tree.operand(node, 1).node];
            mpq_class& top = tree.bigValue(topNode);  // first: it may move the other values
            const NumberValue bottom(tree, bottomNode);
            const mpz_srcptr bottomNumber = mpq_numref(bottom.get());
            if (mpz_cmp_ui(bottomNumber, 1) > 0 && gcd(top.get_num(), mpz_class(bottomNumber)) == 1) {
                mpz_set(top.get_den_mpz_t(), bottomNumber);
                topNode.text += '/' + bottomNode.text;
                eraseOperand(tree, node, 1);
            }
        }
        if (node.count == 1)
            promote(tree, at, tree.operand(node, 0).node);
        break;
    default: break;
    }
}

// The contents of the innermost groups, left to right; returns whether node `at` holds any group.
bool collectInnermost(const Tree& tree, int at, std::vector<int>& out)
{
    const Node& node = tree[at];
    bool holdsGroup = false;
    switch (node.kind) {
    case Node::Kind::Number: return false;
    case Node::Kind::Chain:
        for (int i = 0; i < node.count; ++i)
            holdsGroup = collectInnermost(tree, tree.operand(node, i).node, out) || holdsGroup;
        return holdsGroup;
    case Node::Kind::Group:
        if (!collectInnermost(tree, node.first, out))
            out.push_back(node.first);
        return true;
    default: return collectInnermost(tree, node.first, out);
    }
}

bool isPower(const Node& node)
{
    return node.kind == Node::Kind::Power;
}
bool isProduct(const Node& node)
{
    return node.kind == Node::Kind::Chain && node.level >= Node::Product;
}

// The first node in pre-order that passes `test`, or -1.
int firstWhere(const Tree& tree, int at, bool (*test)(const Node&))
{
    const Node& node = tree[at];
    if (test(node))
        return at;
    switch (node.kind) {
    case Node::Kind::Number: return -1;
    case Node::Kind::Chain:
        for (int i = 0; i < node.count; ++i)
            if (const int found = firstWhere(tree, tree.operand(node, i).node, test); found >= 0)
                return found;
        return -1;
    default: return firstWhere(tree, node.first, test);
    }
}

// Replaces every node that passes `test` (and nothing inside one) by its value.
void computeEvery(Tree& tree, int at, bool (*test)(const Node&))
{
    const Node& node = tree[at];
    if (test(node)) {
        compute(tree, at);
        return;
    }
    switch (node.kind) {
    case Node::Kind::Number: return;
    case Node::Kind::Chain:
        for (int i = 0; i < node.count; ++i)
            computeEvery(tree, tree.operand(node, i).node, test);
        return;
    default: computeEvery(tree, node.first, test);
    }
}

// The chain's first operation done: its first two operands become one number.
void computeFirst(Tree& tree, int at)
{
    Node& chain = tree[at];
    const Operand& first = tree.operand(chain, 0);
    const Operand& second = tree.operand(chain, 1);
    mpq_class value(NumberValue(tree, tree[first.node]).get());
    apply(second.op, value, NumberValue(tree, tree[second.node]).get(), second.opColumn);
    setNumber(tree, first.node, std::move(value));
    eraseOperand(tree, chain, 1);
}

// The first operation of every product in the part, as primary school books work a chain of
// multiplications and divisions: one operation a line, left to right.
void computeFirstOfEveryProduct(Tree& tree, int at)
{
    const Node& node = tree[at];
    if (isProduct(node)) {
        const bool numbers = tree[tree.operand(node, 0).node].kind == Node::Kind::Number
                             && tree[tree.operand(node, 1).node].kind == Node::Kind::Number;
        if (node.level == Node::Product && numbers)
            computeFirst(tree, at);
        else
            compute(tree, at);
        return;
    }
    switch (node.kind) {
    case Node::Kind::Number: return;
    case Node::Kind::Chain:
        for (int i = 0; i < node.count; ++i)
            computeFirstOfEveryProduct(tree, tree.operand(node, i).node);
        return;
    default: computeFirstOfEveryProduct(tree, node.first);
    }
}

// ": 2/5" becomes "x 5/2", when `operand` is a division by a fraction. Whether it was one.
bool writeReciprocal(Tree& tree, Operand& operand)
{
    const Node& number = tree[operand.node];
    if (operand.op != U':' || number.kind != Node::Kind::Number || number.text.find('/') == std::string::npos)
        return false;
    mpq_class value(NumberValue(tree, number).get());
    mpq_inv(value.get_mpq_t(), value.get_mpq_t());
    setNumber(tree, operand.node, std::move(value));
    operand.op = U'x';
    return true;
}

// Rewrites, with `rewrite`, the second and later operands of every chain of `level` in the part,
// the innermost first. Whether any operand changed.
template <typename Rewrite>
bool rewriteChains(Tree& tree, int at, int level, Rewrite rewrite)
{
    const Node& node = tree[at];
    switch (node.kind) {
    case Node::Kind::Number: return false;
    case Node::Kind::Chain: break;
    default: return rewriteChains(tree, node.first, level, rewrite);
    }
    bool any = false;
    for (int i = 0; i < node.count; ++i)
        any = rewriteChains(tree, tree.operand(node, i).node, level, rewrite) || any;
    if (node.level != level)
        return any;
    for (int i = 1; i < node.count; ++i)
        any = rewrite(tree, tree.operand(node, i)) || any;
    return any;
}

// "a : 2/5" becomes "a x 5/2" in every product of the part: a textbook writes the reciprocal's line
// before it multiplies. Whether there was one.
bool writeReciprocals(Tree& tree, int at)
{
    return rewriteChains(tree, at, Node::Product, writeReciprocal);
}

// "-(-14)" becomes "+ 14", "+ (-14)" becomes "- 14", when `operand` is a negative number in a sum.
bool writeSign(Tree& tree, Operand& operand)
{
    Node& number = tree[operand.node];
    if (number.kind != Node::Kind::Number || number.text.front() != '-')
        return false;
    mpq_class& value = tree.bigValue(number);
    mpq_neg(value.get_mpq_t(), value.get_mpq_t());
    number.text.erase(0, 1);
    operand.op = operand.op == U'-' ? U'+' : U'-';
    return true;
}

// "6 - (-14) + 18" becomes "6 + 14 + 18" in every sum of the part: a textbook applies the sign
// rule to the relative numbers in brackets of a sum before it adds. Whether there was one.
bool writeSignRule(Tree& tree, int at)
{
    return rewriteChains(tree, at, Node::Sum, writeSign);
}

void schoolStep(Tree& tree, int content, StepMode mode)
{
    if (firstWhere(tree, content, isPower) >= 0)
        computeEvery(tree, content, isPower);
    else if (firstWhere(tree, content, isProduct) >= 0) {
        if (mode == StepMode::Primary)
            computeFirstOfEveryProduct(tree, content);
        else
            computeEvery(tree, content, isProduct);
    } else {
        compute(tree, content);
    }
}

// The leftmost multiplication, division or fraction bar whose operands are numbers.
bool firstProduct(Tree& tree, int at)
{
    const Node& node = tree[at];
    if (node.kind != Node::Kind::Chain)
        return false;
    if (node.level == Node::Sum) {
        for (int i = 0; i < node.count; ++i)
            if (firstProduct(tree, tree.operand(node, i).node))
                return true;
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        const int child = tree.operand(node, i).node;
        if (tree[child].kind != Node::Kind::Number)
            return firstProduct(tree, child);
    }
    computeFirst(tree, at);
    return true;
}

void oneOperationStep(Tree& tree, int content)
{
    if (const int power = firstWhere(tree, content, isPower); power >= 0)
        compute(tree, power);
    else if (firstProduct(tree, content))
        return;
    else if (tree[content].kind == Node::Kind::Chain)
        computeFirst(tree, content);
    else
        compute(tree, content);
}

// Where a number stands decides whether it needs round brackets to read the same.
struct Place {
    bool afterOperation = false;
    bool afterFractionBar = false;
    bool beforeExponent = false;
    bool factor = false;  // a relative fraction as a factor keeps its brackets: "(-3/4) x 2"
};

void render(const Tree& tree, int at, Place place, Line& out)
{
    auto put = [&out](char32_t c, bool raised = false) { out.push_back({c, raised}); };
    const Node& node = tree[at];
    switch (node.kind) {
    case Node::Kind::Number: {
        const bool negative = node.text.front() == '-';
        const bool fraction = node.text.find('/') != std::string::npos;
        const bool brackets = (negative && (place.afterOperation || place.beforeExponent))
                              || (fraction && (place.afterFractionBar || place.beforeExponent))
                              || (negative && fraction && place.factor);
        if (brackets)
            put(U'(');
        for (char c : node.text)
            put(char32_t(c));
        if (brackets)
            put(U')');
        break;
    }
    case Node::Kind::Group:
        put(node.symbol);
        render(tree, node.first, {}, out);
        put(closingOf(node.symbol));
        break;
    case Node::Kind::Sign:
        put(node.symbol);
        render(tree, node.first, {true, false, false, false}, out);
        break;
    case Node::Kind::Power:
        render(tree, node.first, {place.afterOperation, place.afterFractionBar, true, false}, out);
        for (char c : node.text)
            put(char32_t(c), true);
        break;
    case Node::Kind::Chain:
        for (int i = 0; i < node.count; ++i) {
            const Operand& operand = tree.operand(node, i);
            const bool factor = node.level == Node::Product;
            Place childPlace{place.afterOperation, place.afterFractionBar, false, factor};
            if (i > 0) {
                if (operand.op == U'/') {
                    put(operand.op);
                } else {
                    put(U' ');
                    put(operand.op);
                    put(U' ');
                }
                childPlace = {true, operand.op == U'/', false, factor};
            }
            render(tree, operand.node, childPlace, out);
        }
        break;
    }
}

Steps failure(int column, std::string message)
{
    Steps steps;
    steps.problem = {column, std::move(message)};
    return steps;
}

}  // namespace

Steps generateSteps(const Line& expression, StepMode mode, int maxLines)
{
    if (expression.size() > kMaxExpressionLength)
        return failure(0, "espressione troppo lunga (più di " + std::to_string(kMaxExpressionLength)
                              + " caratteri)");
    Steps steps;
    try {
        // Kept from call to call, as the reader's; an expression is short, its numbers are not kept.
        thread_local ParsedLine parsed;
        const struct ClearValues {
            ParsedLine& parsed;
            ~ClearValues() { parsed.tree.values.clear(); }
        } clearValues{parsed};
        parseLine(expression, true, parsed);
        if (parsed.members.empty())
            return failure(0, "la riga non contiene un'espressione");
        if (parsed.members.size() > 1)
            return failure(parsed.equalsColumns[0], "scrivi solo l'espressione, senza altri membri");
        Tree& tree = parsed.tree;
        // The steps write numbers as the expression does, and a decimal only where it has one.
        const bool comma = std::any_of(expression.begin(), expression.end(), [](const Char& c) { return c.code == U','; });
        tree.notation = comma ? notationOf(expression) : Notation::Fractions;
        const int root = parsed.members[0];  // every step keeps the root where it is
        {
            mpq_class value;
            evaluate(tree, root, value);  // every problem of the expression is found before the first step
        }
        // Each step computes at most as many numbers as there are nodes left.
        tree.values.reserve(tree.values.size() + tree.nodes.size());
        tidy(tree, root);
        std::size_t characters = 0;
        int count = 0;
        std::vector<int> groups;
        while (tree[root].kind != Node::Kind::Number) {
            groups.clear();
            collectInnermost(tree, root, groups);
            if (groups.empty())
                groups.push_back(root);
            // A textbook's lines come as soon as they can, the same in every mode: a line of its
            // own, before any operation.
            const bool textbookLine = writeReciprocals(tree, root) || writeSignRule(tree, root);
            if (!textbookLine && mode == StepMode::OneOperation)
                oneOperationStep(tree, groups.front());
            else if (!textbookLine)
                for (const int group : groups)
                    schoolStep(tree, group, mode);
            tidy(tree, root);
            ++count;
            if (count + 1 > maxLines)
                continue;  // only counted from here on, to say how many there would be
            Line line;
            line.reserve(steps.lines.empty() ? expression.size() + 2 : steps.lines.back().size());
            line.push_back({U'=', false});
            line.push_back({U' ', false});
            render(tree, root, {}, line);
            characters += line.size();
            if (characters > kMaxChainCharacters)
                return failure(0, "i passaggi sarebbero troppo lunghi");
            steps.lines.push_back(std::move(line));
        }
        if (count + 1 > maxLines)
            return failure(0, "troppi passaggi: " + std::to_string(count)
                                  + ", ma il documento ne tiene al massimo "
                                  + std::to_string(std::max(0, maxLines - 1)));
    } catch (const Failure& f) {
        return failure(f.problem.column, f.problem.message);
    }
    return steps;
}

}  // namespace quintavia::arithmetic
