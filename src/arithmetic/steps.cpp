// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/steps.h"

#include "arithmetic/syntax.h"

namespace quintavia::arithmetic {

using namespace detail;

namespace {

// A chain whose lines together would pass this many characters is refused.
constexpr std::size_t kMaxChainCharacters = 4'000'000;

std::u32string wide(const std::string& ascii)
{
    return {ascii.begin(), ascii.end()};
}

NodePtr numberNode(const mpq_class& value, int column)
{
    auto node = std::make_unique<Node>();
    node->kind = Node::Kind::Number;
    node->column = column;
    node->value = value;
    node->text = wide(written(value));
    return node;
}

bool isIntegerNumber(const Node& node)
{
    return node.kind == Node::Kind::Number && node.value.get_den() == 1
           && node.text.find(U',') == std::u32string::npos;
}

// Replaces a node by one of its own children; the child is taken out first, because replacing the
// node destroys the vector that held it.
void promote(NodePtr& node, NodePtr& child)
{
    NodePtr kept = std::move(child);
    node = std::move(kept);
}

// Removes what is no longer work: brackets holding one number, signs before a number, and a
// reduced fraction of two integers, which is a number as it stands.
void tidy(NodePtr& node)
{
    for (NodePtr& child : node->children)
        tidy(child);
    switch (node->kind) {
    case Node::Kind::Group:
        if (node->children[0]->kind == Node::Kind::Number)
            promote(node, node->children[0]);
        break;
    case Node::Kind::Sign: {
        NodePtr& child = node->children[0];
        if (child->kind != Node::Kind::Number)
            break;
        if (node->symbol == U'-') {
            const bool plain = sgn(child->value) > 0 && child->text.front() != U'-';
            child->value = -child->value;
            child->text = plain ? U'-' + child->text : wide(written(child->value));
        }
        promote(node, child);
        break;
    }
    case Node::Kind::Chain:
        if (node->level == Node::Fraction && node->children.size() > 1 && isIntegerNumber(*node->children[0])
            && isIntegerNumber(*node->children[1]) && node->children[1]->value > 1) {
            const mpz_class& top = node->children[0]->value.get_num();
            const mpz_class& bottom = node->children[1]->value.get_num();
            if (gcd(top, bottom) == 1) {
                node->children[0]->value = mpq_class(top, bottom);
                node->children[0]->text += U'/' + node->children[1]->text;
                node->children.erase(node->children.begin() + 1);
                node->ops.erase(node->ops.begin());
                node->opColumns.erase(node->opColumns.begin());
            }
        }
        if (node->children.size() == 1)
            promote(node, node->children[0]);
        break;
    default: break;
    }
}

// The innermost groups, left to right; returns whether `node` holds any group.
bool collectInnermost(NodePtr& node, std::vector<NodePtr*>& out)
{
    bool holdsGroup = false;
    for (NodePtr& child : node->children)
        holdsGroup = collectInnermost(child, out) || holdsGroup;
    if (node->kind == Node::Kind::Group && !holdsGroup)
        out.push_back(&node->children[0]);
    return holdsGroup || node->kind == Node::Kind::Group;
}

bool holds(const Node& node, bool (*test)(const Node&))
{
    if (test(node))
        return true;
    for (const NodePtr& child : node.children)
        if (holds(*child, test))
            return true;
    return false;
}

bool isPower(const Node& node)
{
    return node.kind == Node::Kind::Power;
}
bool isProduct(const Node& node)
{
    return node.kind == Node::Kind::Chain && node.level >= Node::Product;
}

// Replaces every node that passes `test` (and nothing inside one) by its value.
void computeEvery(NodePtr& node, bool (*test)(const Node&))
{
    if (test(*node)) {
        node = numberNode(evaluate(*node), node->column);
        return;
    }
    for (NodePtr& child : node->children)
        computeEvery(child, test);
}

void schoolStep(NodePtr& content)
{
    if (holds(*content, isPower))
        computeEvery(content, isPower);
    else if (holds(*content, isProduct))
        computeEvery(content, isProduct);
    else
        content = numberNode(evaluate(*content), content->column);
}

NodePtr* firstPower(NodePtr& node)
{
    if (node->kind == Node::Kind::Power)
        return &node;
    for (NodePtr& child : node->children)
        if (NodePtr* found = firstPower(child))
            return found;
    return nullptr;
}

// The chain's first operation done: its first two operands become one number.
void computeFirst(Node& chain)
{
    chain.children[0] = numberNode(
        apply(chain.ops[0], chain.children[0]->value, chain.children[1]->value, chain.opColumns[0]),
        chain.children[0]->column);
    chain.children.erase(chain.children.begin() + 1);
    chain.ops.erase(chain.ops.begin());
    chain.opColumns.erase(chain.opColumns.begin());
}

// The leftmost multiplication, division or fraction bar whose operands are numbers.
bool firstProduct(NodePtr& node)
{
    if (node->kind != Node::Kind::Chain)
        return false;
    if (node->level == Node::Sum) {
        for (NodePtr& child : node->children)
            if (firstProduct(child))
                return true;
        return false;
    }
    for (int i = 0; i < 2; ++i)
        if (node->children[i]->kind != Node::Kind::Number)
            return firstProduct(node->children[i]);
    computeFirst(*node);
    return true;
}

void oneOperationStep(NodePtr& content)
{
    if (NodePtr* power = firstPower(content))
        *power = numberNode(evaluate(**power), (*power)->column);
    else if (firstProduct(content))
        return;
    else if (content->kind == Node::Kind::Chain)
        computeFirst(*content);
    else
        content = numberNode(evaluate(*content), content->column);
}

// Where a number stands decides whether it needs round brackets to read the same.
struct Place {
    bool afterOperation = false;
    bool afterFractionBar = false;
    bool beforeExponent = false;
};

void render(const Node& node, Place place, Line& out)
{
    auto put = [&out](char32_t c, bool raised = false) { out.push_back({c, raised}); };
    switch (node.kind) {
    case Node::Kind::Number: {
        const bool negative = node.text.front() == U'-';
        const bool fraction = node.text.find(U'/') != std::u32string::npos;
        const bool brackets = (negative && (place.afterOperation || place.beforeExponent))
                              || (fraction && (place.afterFractionBar || place.beforeExponent));
        if (brackets)
            put(U'(');
        for (char32_t c : node.text)
            put(c);
        if (brackets)
            put(U')');
        break;
    }
    case Node::Kind::Group:
        put(node.symbol);
        render(*node.children[0], {}, out);
        put(closingOf(node.symbol));
        break;
    case Node::Kind::Sign:
        put(node.symbol);
        render(*node.children[0], {true, false, false}, out);
        break;
    case Node::Kind::Power:
        render(*node.children[0], {place.afterOperation, place.afterFractionBar, true}, out);
        for (char32_t c : node.text)
            put(c, true);
        break;
    case Node::Kind::Chain:
        for (std::size_t i = 0; i < node.children.size(); ++i) {
            Place childPlace{place.afterOperation, place.afterFractionBar, false};
            if (i > 0) {
                const char32_t op = node.ops[i - 1];
                if (op == U'/') {
                    put(op);
                } else {
                    put(U' ');
                    put(op);
                    put(U' ');
                }
                childPlace = {true, op == U'/', false};
            }
            render(*node.children[i], childPlace, out);
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
        ParsedLine parsed = parseLine(expression, true);
        if (parsed.members.empty())
            return failure(0, "la riga non contiene un'espressione");
        if (parsed.members.size() > 1)
            return failure(parsed.equalsColumns[0], "scrivi solo l'espressione, senza altri membri");
        NodePtr root = std::move(parsed.members[0]);
        evaluate(*root);  // every problem of the expression is found before the first step
        tidy(root);
        std::size_t characters = 0;
        int count = 0;
        while (root->kind != Node::Kind::Number) {
            std::vector<NodePtr*> groups;
            collectInnermost(root, groups);
            if (groups.empty())
                groups.push_back(&root);
            if (mode == StepMode::OneOperation)
                oneOperationStep(*groups.front());
            else
                for (NodePtr* group : groups)
                    schoolStep(*group);
            tidy(root);
            ++count;
            if (count + 1 > maxLines)
                continue;  // only counted from here on, to say how many there would be
            Line line{{U'=', false}, {U' ', false}};
            render(*root, {}, line);
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
